#include "MeshCache.h"

#include "MeshPasses.h"
#include "SceneBounds.h"

#include <algorithm>
#include <cstring>
#include <string_view>

namespace {

thread_local CMeshCache* t_cache = nullptr;
thread_local CMeshBatch* t_batch = nullptr;
thread_local const CMatrix* t_placement = nullptr;

constexpr int kCoarseDivisor = 4;

CSceneBounds BoundsOf(const CMeshGeometry& geometry)
{
  CSceneBounds bounds;
  for (const CMeshPart* part : {&geometry.fill, &geometry.edges})
    for (const CVector& p : part->Points()) {
      bounds.Add(p.x);
      bounds.Add(p.y);
      bounds.Add(p.z);
    }
  return bounds;
}

void DrawDirectly(const CVector& lineColour, const CVector& fillColour, bool outline, bool fill,
                  const CMeshTessellation& tessellate)
{
  CMeshGeometry geometry;
  if (!tessellate(MeshDetail::Full, geometry))
    return;
  DrawMeshPasses(
      lineColour, fillColour, outline, fill, [&] { geometry.fill.Draw(true); }, [&] { geometry.edges.Draw(false); });
}

} // namespace

bool CMeshKey::operator==(const CMeshKey& other) const
{
  return kind == other.kind && std::memcmp(values.data(), other.values.data(), sizeof values) == 0 &&
         steps == other.steps && fill == other.fill && outline == other.outline;
}

size_t CMeshKeyHash::operator()(const CMeshKey& key) const
{
  size_t hash = std::hash<std::string_view>{}(
      std::string_view(reinterpret_cast<const char*>(key.values.data()), sizeof key.values));
  for (int value : {key.kind, key.steps[0], key.steps[1], key.fill ? 1 : 0, key.outline ? 1 : 0})
    hash = hash * 1099511628211u ^ static_cast<size_t>(value);
  return hash;
}

int StepsAt(int steps, MeshDetail detail)
{
  return detail == MeshDetail::Full ? steps : std::max(1, steps / kCoarseDivisor);
}

const CMeshCache::CEntry& CMeshCache::Use(const CMeshKey& key, const CMeshTessellation& tessellate)
{
  auto [found, added] = m_entries.try_emplace(key);
  CEntry& entry = found->second;
  entry.generation = m_generation;
  if (added) {
    entry.drawsNothing = !tessellate(MeshDetail::Full, entry.geometry[0]);
    if (!entry.drawsNothing) {
      tessellate(MeshDetail::Coarse, entry.geometry[1]);
      CSceneBounds bounds = BoundsOf(entry.geometry[0]);
      entry.min = bounds.min;
      entry.max = bounds.max;
    }
  }
  return entry;
}

void CMeshCache::DropUnused()
{
  std::erase_if(m_entries, [this](const auto& item) { return item.second.generation != m_generation; });
}

CMeshSceneScope::CMeshSceneScope(CMeshCache* cache, CMeshBatch* batch)
    : m_previousCache(t_cache), m_previousBatch(t_batch)
{
  t_cache = cache;
  t_batch = batch;
}

CMeshSceneScope::~CMeshSceneScope()
{
  t_cache = m_previousCache;
  t_batch = m_previousBatch;
}

CMeshPlacementScope::CMeshPlacementScope(const CMatrix& toWorld) : m_previous(t_placement)
{
  t_placement = &toWorld;
}

CMeshPlacementScope::~CMeshPlacementScope()
{
  t_placement = m_previous;
}

void DrawCachedMesh(const CMeshKey& key, const CVector& lineColour, const CVector& fillColour, bool outline, bool fill,
                    const CMeshTessellation& tessellate)
{
  if (!t_cache || !t_batch || !t_placement) {
    DrawDirectly(lineColour, fillColour, outline, fill, tessellate);
    return;
  }
  const CMeshCache::CEntry& entry = t_cache->Use(key, tessellate);
  if (entry.drawsNothing)
    return;
  if (entry.min <= entry.max) {
    AddToSceneBounds(entry.min);
    AddToSceneBounds(entry.max);
  }
  t_batch->Add(entry.geometry[0], entry.geometry[1], *t_placement, lineColour, fillColour, outline, fill);
}
