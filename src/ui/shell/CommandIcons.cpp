#include "CommandIcons.h"

#include "CommandIds.h"
#include "ModuleCommands.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <functional>

namespace {

// Drawn on a 24 x 24 grid; the toolkit scales for other sizes.
constexpr int kIconSize = 24;
const QColor kInk(40, 48, 60);
const QColor kAccent(214, 110, 20);
const QColor kPaper(250, 250, 246);

QIcon Draw(const std::function<void(QPainter&)>& paint)
{
  QPixmap pixmap(kIconSize, kIconSize);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(kInk, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  paint(painter);
  return QIcon(pixmap);
}

void Arrow(QPainter& p, QPointF from, QPointF to, const QColor& colour)
{
  p.save();
  p.setPen(QPen(colour, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawLine(from, to);
  QLineF line(to, from);
  QLineF left = line;
  left.setLength(5.5);
  left.setAngle(line.angle() + 35);
  QLineF right = line;
  right.setLength(5.5);
  right.setAngle(line.angle() - 35);
  p.drawLine(left);
  p.drawLine(right);
  p.restore();
}

void Sheet(QPainter& p)
{
  QPainterPath page;
  page.moveTo(5, 2);
  page.lineTo(15, 2);
  page.lineTo(20, 7);
  page.lineTo(20, 22);
  page.lineTo(5, 22);
  page.closeSubpath();
  p.setBrush(kPaper);
  p.drawPath(page);
  p.drawLine(QPointF(15, 2), QPointF(15, 7));
  p.drawLine(QPointF(15, 7), QPointF(20, 7));
}

void Magnifier(QPainter& p, bool plus)
{
  p.setBrush(kPaper);
  p.drawEllipse(QPointF(10, 10), 6.5, 6.5);
  p.setPen(QPen(kInk, 3.0, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(15, 15), QPointF(21, 21));
  p.setPen(QPen(kAccent, 2.0, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(7, 10), QPointF(13, 10));
  if (plus)
    p.drawLine(QPointF(10, 7), QPointF(10, 13));
}

// The sensor as the buttons show it: a housing on a wall with its lens.
void Sensor(QPainter& p, QPointF centre)
{
  p.setBrush(kPaper);
  p.drawRoundedRect(QRectF(centre.x() - 5, centre.y() - 4, 10, 8), 2, 2);
  p.setBrush(kAccent);
  p.drawEllipse(centre + QPointF(0, 2), 2.5, 2.5);
}

void Curve(QPainter& p, bool clockwise, bool vertical)
{
  p.save();
  p.setPen(QPen(kAccent, 2.2, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  QRectF arc(4, 4, 16, 16);
  int start = vertical ? 200 * 16 : 110 * 16;
  int span = (clockwise ? -140 : 140) * 16;
  p.drawArc(arc, start, span);
  QLineF radius(arc.center(), arc.center() + QPointF(8, 0));
  radius.setAngle((start + span) / 16.0);
  QPointF tip = radius.p2();
  QLineF tangent(tip, tip + QPointF(1, 0));
  tangent.setAngle(radius.angle() + (clockwise ? -90 : 90));
  QPointF back = tip - QPointF(tangent.dx(), tangent.dy()) * 5.0;
  Arrow(p, back, tip, kAccent);
  p.restore();
}

QIcon Icon(int id)
{
  switch (id) {
  case ID_FILE_NEW:
    return Draw([](QPainter& p) { Sheet(p); });
  case ID_FILE_OPEN:
    return Draw([](QPainter& p) {
      p.setBrush(QColor(238, 204, 120));
      p.drawRect(QRectF(2, 7, 18, 13));
      p.drawLine(QPointF(2, 7), QPointF(6, 4));
      p.drawLine(QPointF(6, 4), QPointF(11, 4));
      Arrow(p, QPointF(12, 14), QPointF(20, 6), kAccent);
    });
  case ID_FILE_SAVE:
    return Draw([](QPainter& p) {
      p.setBrush(QColor(90, 120, 170));
      p.drawRoundedRect(QRectF(3, 3, 18, 18), 2, 2);
      p.setBrush(kPaper);
      p.drawRect(QRectF(7, 3, 10, 7));
      p.drawRect(QRectF(6, 14, 12, 7));
    });
  case ID_FILE_PRINT_PREVIEW:
    return Draw([](QPainter& p) {
      Sheet(p);
      p.drawEllipse(QPointF(11, 13), 4, 4);
      p.drawLine(QPointF(14, 16), QPointF(18, 20));
    });
  case ID_FILE_PRINT:
    return Draw([](QPainter& p) {
      p.setBrush(kPaper);
      p.drawRect(QRectF(7, 3, 10, 7));
      p.setBrush(QColor(150, 156, 166));
      p.drawRoundedRect(QRectF(3, 9, 18, 9), 2, 2);
      p.setBrush(kPaper);
      p.drawRect(QRectF(7, 15, 10, 6));
    });
  case ID_APP_ABOUT:
    return Draw([](QPainter& p) {
      p.setBrush(QColor(70, 110, 180));
      p.setPen(Qt::NoPen);
      p.drawEllipse(QPointF(12, 12), 9.5, 9.5);
      p.setPen(QPen(Qt::white, 2.6, Qt::SolidLine, Qt::RoundCap));
      p.drawLine(QPointF(12, 11), QPointF(12, 17));
      p.drawPoint(QPointF(12, 7));
    });
  case ID_HELP_FINDER:
    return Draw([](QPainter& p) {
      p.setBrush(QColor(70, 150, 90));
      p.setPen(Qt::NoPen);
      p.drawEllipse(QPointF(12, 12), 9.5, 9.5);
      p.setPen(QPen(Qt::white, 2.4, Qt::SolidLine, Qt::RoundCap));
      p.setBrush(Qt::NoBrush);
      p.drawArc(QRectF(8.5, 6, 7, 7), 180 * 16, -250 * 16);
      p.drawLine(QPointF(12, 13.5), QPointF(12, 14.5));
      p.drawPoint(QPointF(12, 18));
    });
  case ID_EDIT_COPY:
    return Draw([](QPainter& p) {
      p.setBrush(kPaper);
      p.drawRect(QRectF(3, 3, 11, 13));
      p.drawRect(QRectF(9, 8, 11, 13));
    });
  case ID_TOOL_ZOOM_IN:
    return Draw([](QPainter& p) { Magnifier(p, true); });
  case ID_TOOL_ZOOM_OUT:
    return Draw([](QPainter& p) { Magnifier(p, false); });
  case ID_TOOL_PAN:
    return Draw([](QPainter& p) {
      Arrow(p, QPointF(12, 12), QPointF(12, 2.5), kInk);
      Arrow(p, QPointF(12, 12), QPointF(12, 21.5), kInk);
      Arrow(p, QPointF(12, 12), QPointF(2.5, 12), kInk);
      Arrow(p, QPointF(12, 12), QPointF(21.5, 12), kInk);
    });
  case ID_TOOL_ROTATE:
    return Draw([](QPainter& p) {
      p.setBrush(Qt::NoBrush);
      p.drawEllipse(QPointF(12, 12), 9, 4);
      Curve(p, false, false);
    });
  case ID_VIEW_SHOW_SENSOR:
    return Draw([](QPainter& p) {
      p.drawLine(QPointF(3, 3), QPointF(3, 21));
      Sensor(p, QPointF(10, 8));
      p.setPen(QPen(kAccent, 1.2));
      p.drawLine(QPointF(10, 11), QPointF(6, 21));
      p.drawLine(QPointF(10, 11), QPointF(14, 21));
      p.drawLine(QPointF(10, 11), QPointF(21, 19));
    });
  case ID_VIEW_WHOLE_SCENE:
    return Draw([](QPainter& p) {
      p.setBrush(QColor(205, 205, 200));
      QPolygonF floor({QPointF(2, 15), QPointF(12, 10), QPointF(22, 15), QPointF(12, 20)});
      p.drawPolygon(floor);
      p.drawLine(QPointF(2, 15), QPointF(2, 7));
      p.drawLine(QPointF(12, 10), QPointF(12, 2));
      p.drawLine(QPointF(2, 7), QPointF(12, 2));
      p.setBrush(kAccent);
      p.setPen(Qt::NoPen);
      p.drawEllipse(QPointF(12, 15), 3, 1.8);
    });
  case ID_VIEW_RESET_ALL:
    return Draw([](QPainter& p) {
      p.setBrush(kPaper);
      QPolygonF house({QPointF(3, 11), QPointF(12, 3), QPointF(21, 11), QPointF(18, 11), QPointF(18, 21),
                       QPointF(6, 21), QPointF(6, 11)});
      p.drawPolygon(house);
      p.setBrush(kAccent);
      p.drawRect(QRectF(10, 14, 4, 7));
    });
  case ID_VIEW_PLAN:
    return Draw([](QPainter& p) {
      p.setBrush(kPaper);
      QPolygonF room(
          {QPointF(3, 3), QPointF(21, 3), QPointF(21, 12), QPointF(12, 12), QPointF(12, 21), QPointF(3, 21)});
      p.drawPolygon(room);
      p.setBrush(kAccent);
      p.drawRect(QRectF(6, 6, 4, 4));
    });
  case ID_HEIGHT_UP:
  case ID_HEIGHT_DOWN:
    return Draw([id](QPainter& p) {
      p.drawLine(QPointF(3, 22), QPointF(21, 22));
      Sensor(p, QPointF(8, 11));
      bool up = id == ID_HEIGHT_UP;
      Arrow(p, QPointF(18, up ? 19 : 3), QPointF(18, up ? 3 : 19), kAccent);
    });
  case ID_TILT_UP:
  case ID_TILT_DOWN:
    return Draw([id](QPainter& p) {
      Sensor(p, QPointF(12, 12));
      Curve(p, id == ID_TILT_DOWN, true);
    });
  case ID_TURN_LEFT:
  case ID_TURN_RIGHT:
    return Draw([id](QPainter& p) {
      Sensor(p, QPointF(12, 13));
      Curve(p, id == ID_TURN_RIGHT, false);
    });
  default:
    return {};
  }
}

} // namespace

QIcon CommandIcon(int id)
{
  return Icon(id);
}
