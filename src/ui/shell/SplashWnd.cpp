#include "SplashWnd.h"

#include "Messages.h"
#include "TextEncoding.h"

#include <QEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>

CSplashWnd* CSplashWnd::s_pSplashWnd = nullptr;

namespace {

QScreen* ScreenOf(const QWidget* widget)
{
  QScreen* screen = widget != nullptr ? widget->screen() : nullptr;
  return screen != nullptr ? screen : QGuiApplication::primaryScreen();
}

bool IsClosingPress(const QEvent& event)
{
  switch (event.type()) {
  case QEvent::KeyPress:
    return true;
  case QEvent::MouseButtonPress:
  case QEvent::MouseButtonDblClick:
  case QEvent::NonClientAreaMouseButtonPress:
  case QEvent::NonClientAreaMouseButtonDblClick: {
    const Qt::MouseButton button = static_cast<const QMouseEvent&>(event).button();
    return button == Qt::LeftButton || button == Qt::RightButton || button == Qt::MiddleButton;
  }
  default:
    return false;
  }
}

// The colours of the picture; the 16-colour one keeps to the standard VGA
// colours and plain fills, which an indexed display shows without dithering.
struct SplashColours {
  QColor skyTop;
  QColor skyBottom;
  QColor grid;
  QColor lens;
  QColor facet;
  QColor field;
  QColor title;
  QColor caption;
  bool smooth;
};

SplashColours ColoursFor(bool lowColour)
{
  if (lowColour)
    return {Qt::darkBlue, Qt::darkBlue, Qt::blue, Qt::lightGray, Qt::black, Qt::darkCyan, Qt::white, Qt::cyan, false};
  return {QColor(28, 42, 64),    QColor(12, 18, 30),    QColor(38, 54, 78),
          QColor(196, 208, 222), QColor(70, 84, 104),   QColor(60, 170, 190),
          QColor(240, 244, 248), QColor(150, 176, 204), true};
}

void DrawBackground(QPainter& painter, const QRect& area, const SplashColours& colours)
{
  if (colours.smooth) {
    QLinearGradient gradient(area.topLeft(), area.bottomLeft());
    gradient.setColorAt(0, colours.skyTop);
    gradient.setColorAt(1, colours.skyBottom);
    painter.fillRect(area, gradient);
  } else {
    painter.fillRect(area, colours.skyTop);
  }
  painter.setPen(QPen(colours.grid, 1));
  for (int x = area.left(); x <= area.right(); x += 24)
    painter.drawLine(x, area.top(), x, area.bottom());
  for (int y = area.top(); y <= area.bottom(); y += 24)
    painter.drawLine(area.left(), y, area.right(), y);
}

// The sensor's facet lens and the fan of facet projections on the floor.
void DrawSensor(QPainter& painter, const QPoint& lens, int floorY, const SplashColours& colours)
{
  constexpr int kFacets = 9;
  constexpr int kRadius = 34;
  for (int i = 0; i < kFacets; ++i) {
    const int nearX = 150 + i * 44;
    const int farX = nearX + 30;
    QPainterPath patch;
    patch.moveTo(nearX, floorY);
    patch.lineTo(farX, floorY);
    patch.lineTo(farX + 8, floorY + 40);
    patch.lineTo(nearX + 4, floorY + 40);
    patch.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(colours.field);
    painter.drawPath(patch);
    painter.setPen(QPen(colours.field, 1, Qt::DotLine));
    painter.drawLine(lens, QPoint(nearX + 15, floorY));
  }
  painter.setPen(QPen(colours.facet, 2));
  painter.setBrush(colours.lens);
  painter.drawEllipse(lens, kRadius, kRadius);
  painter.setBrush(Qt::NoBrush);
  painter.drawEllipse(lens, kRadius * 2 / 3, kRadius * 2 / 3);
  painter.drawEllipse(lens, kRadius / 3, kRadius / 3);
  for (int spoke = 0; spoke < 6; ++spoke) {
    painter.save();
    painter.translate(lens);
    painter.rotate(spoke * 30.0);
    painter.drawLine(-kRadius, 0, kRadius, 0);
    painter.restore();
  }
}

void DrawSplashPicture(QPainter& painter, const QRect& area, bool lowColour)
{
  const SplashColours colours = ColoursFor(lowColour);
  painter.setRenderHint(QPainter::Antialiasing, colours.smooth);
  DrawBackground(painter, area, colours);
  DrawSensor(painter, QPoint(area.left() + 80, area.top() + 70), area.top() + 190, colours);

  QFont font = painter.font();
  font.setPixelSize(27);
  font.setBold(true);
  painter.setFont(font);
  painter.setPen(colours.title);
  const QRect band(area.left() + 24, area.bottom() - 96, area.width() - 48, 44);
  painter.drawText(band, Qt::AlignLeft | Qt::AlignVCenter, QString::fromStdString(Cp1252ToUtf8(kApplicationName)));
  font.setPixelSize(13);
  font.setBold(false);
  painter.setFont(font);
  painter.setPen(colours.caption);
  painter.drawText(band.translated(0, 42), Qt::AlignLeft | Qt::AlignTop, QStringLiteral("Halvern GmbH"));
  painter.drawRect(area.adjusted(0, 0, -1, -1));
}

} // namespace

CSplashWnd::CSplashWnd(QWidget* mainFrame)
    : QWidget(mainFrame, Qt::Tool | Qt::FramelessWindowHint), m_pMainFrame(mainFrame)
{
  setAttribute(Qt::WA_DeleteOnClose);
  setAttribute(Qt::WA_ShowWithoutActivating);
  setFixedSize(kWidth, kHeight);
  setCursor(Qt::ArrowCursor);
  CentreOnScreen();
  m_timer.setSingleShot(true);
  connect(&m_timer, &QTimer::timeout, this, &CSplashWnd::HideSplashScreen);
  m_timer.start(kDisplayTime);
}

CSplashWnd::~CSplashWnd()
{
  if (s_pSplashWnd == this)
    s_pSplashWnd = nullptr;
}

void CSplashWnd::ShowSplashScreen(QWidget* mainFrame, CMessageSink* messages)
{
  if (s_pSplashWnd != nullptr)
    return;
  if (ScreenOf(mainFrame)->depth() == 8 && messages != nullptr)
    messages->ShowMessage(kApplicationName, LoadString(IDS_LOW_COLOUR));
  s_pSplashWnd = new CSplashWnd(mainFrame);
  s_pSplashWnd->show();
  s_pSplashWnd->repaint();
}

bool CSplashWnd::PreTranslateAppMessage(QEvent* event)
{
  if (s_pSplashWnd == nullptr || event == nullptr)
    return false;
  // A shortcut must not fire past the picture: claim the key, whose press
  // then closes the picture below.
  if (event->type() == QEvent::ShortcutOverride) {
    event->accept();
    return true;
  }
  if (!IsClosingPress(*event))
    return false;
  s_pSplashWnd->HideSplashScreen();
  return true;
}

void CSplashWnd::HideSplashScreen()
{
  m_timer.stop();
  // The next press goes to the program again, though the window itself is
  // destroyed only when control returns to the event loop.
  if (s_pSplashWnd == this)
    s_pSplashWnd = nullptr;
  close();
  if (m_pMainFrame != nullptr)
    m_pMainFrame->update();
}

void CSplashWnd::paintEvent(QPaintEvent* /*event*/)
{
  QPainter painter(this);
  DrawSplashPicture(painter, rect(), ScreenOf(this)->depth() < 9);
}

void CSplashWnd::CentreOnScreen()
{
  const QRect screen = ScreenOf(m_pMainFrame)->geometry();
  int left = (screen.width() - kWidth) / 2;
  int top = (screen.height() - kHeight) / 2;
  if (left < 0)
    left = 20;
  if (top < 0)
    top = 20;
  move(screen.x() + left, screen.y() + top);
}
