#include "MeshCache.h"

#include "MeshPasses.h"
#include "SceneBounds.h"

#include <GL/gl.h>

#include <algorithm>
#include <cstring>
#include <string_view>

namespace {

thread_local CMeshCache* t_cache = nullptr;

constexpr int kCoarseDivisor = 4;
constexpr GLsizei kListsPerMesh = 4;

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

void CompileList(GLuint name, const CMeshPart& part, bool withNormals)
{
  glNewList(name, GL_COMPILE);
  part.Draw(withNormals, false);
  glEndList();
}

// Calls the list through the list base, which picks the detail.
void CallDetailList(GLuint name)
{
  glCallLists(1, GL_UNSIGNED_INT, &name);
}

void DrawDirectly(const CVector& lineColour, const CVector& fillColour, bool outline, bool fill,
                  const CMeshTessellation& tessellate)
{
  CMeshGeometry geometry;
  if (!tessellate(MeshDetail::Full, geometry))
    return;
  DrawMeshPasses(
      lineColour, fillColour, outline, fill, [&] { geometry.fill.Draw(true, true); },
      [&] { geometry.edges.Draw(false, true); });
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

const CMeshCache::CEntry* CMeshCache::Use(const CMeshKey& key, const CMeshTessellation& tessellate)
{
  auto found = m_entries.find(key);
  if (found != m_entries.end()) {
    found->second.generation = m_generation;
    return &found->second;
  }
  CEntry entry;
  entry.generation = m_generation;
  auto geometry = std::make_unique<std::array<CMeshGeometry, 2>>();
  if (tessellate(MeshDetail::Full, (*geometry)[0])) {
    tessellate(MeshDetail::Coarse, (*geometry)[1]);
    entry.lists = glGenLists(kListsPerMesh);
    if (entry.lists == 0)
      return nullptr;
    CSceneBounds bounds = BoundsOf((*geometry)[0]);
    entry.min = bounds.min;
    entry.max = bounds.max;
    entry.pending = std::move(geometry);
  }
  return &m_entries.emplace(key, std::move(entry)).first->second;
}

void CMeshCache::CompilePending()
{
  for (auto& [key, entry] : m_entries) {
    if (!entry.pending)
      continue;
    for (int detail = 0; detail < 2; ++detail) {
      const CMeshGeometry& geometry = (*entry.pending)[detail];
      CompileList(entry.lists + kFillList + detail, geometry.fill, true);
      CompileList(entry.lists + kEdgeList + detail, geometry.edges, false);
    }
    entry.pending.reset();
  }
}

void CMeshCache::DropUnused()
{
  std::erase_if(m_entries, [this](const auto& item) {
    const CEntry& entry = item.second;
    if (entry.generation == m_generation)
      return false;
    if (entry.lists != 0)
      glDeleteLists(entry.lists, kListsPerMesh);
    return true;
  });
}

CMeshCacheScope::CMeshCacheScope(CMeshCache* cache) : m_previous(t_cache)
{
  t_cache = cache;
}

CMeshCacheScope::~CMeshCacheScope()
{
  t_cache = m_previous;
}

void DrawCachedMesh(const CMeshKey& key, const CVector& lineColour, const CVector& fillColour, bool outline, bool fill,
                    const CMeshTessellation& tessellate)
{
  const CMeshCache::CEntry* entry = t_cache ? t_cache->Use(key, tessellate) : nullptr;
  if (!entry) {
    DrawDirectly(lineColour, fillColour, outline, fill, tessellate);
    return;
  }
  if (entry->lists == 0)
    return;
  if (entry->min <= entry->max) {
    AddToSceneBounds(entry->min);
    AddToSceneBounds(entry->max);
  }
  DrawMeshPasses(
      lineColour, fillColour, outline, fill, [entry] { CallDetailList(entry->lists + CMeshCache::kFillList); },
      [entry] { CallDetailList(entry->lists + CMeshCache::kEdgeList); });
}

void SelectMeshDetail(MeshDetail detail)
{
  glListBase(detail == MeshDetail::Full ? 0 : 1);
}
