#include "ClipboardPicture.h"

#include <QBuffer>

std::unique_ptr<QMimeData> MakePictureMimeData(const QImage& picture)
{
  if (picture.isNull())
    return nullptr;
  QByteArray png;
  QBuffer buffer(&png);
  if (!buffer.open(QIODevice::WriteOnly) || !picture.save(&buffer, "PNG"))
    return nullptr;
  QByteArray width = QByteArray::number(picture.width());
  QByteArray height = QByteArray::number(picture.height());
  QByteArray svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" xmlns:xlink=\"http://www.w3.org/1999/xlink\" width=\"" +
                   width + "\" height=\"" + height + "\" viewBox=\"0 0 " + width + " " + height + "\"><image width=\"" +
                   width + "\" height=\"" + height + "\" xlink:href=\"data:image/png;base64," + png.toBase64() +
                   "\"/></svg>\n";
  auto data = std::make_unique<QMimeData>();
  data->setImageData(picture);
  data->setData("image/png", png);
  data->setData("image/svg+xml", svg);
  return data;
}
