// make_slip_picture OUT.jpg: draws the program's own picture of the play slip for test
// prints on plain paper: the twelve boxes of 45 numbers, the day marks and the Joker marks,
// each where the slip layout puts its cross with the default offsets. The picture covers
// the layout's area of 793 x 481 units, whose top edge lies 4 units below the page's.

#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>

namespace {

constexpr int kScale = 2;  // pixels per layout unit
constexpr int kWidth = 793;
constexpr int kHeight = 481;
constexpr int kTop = 84;
constexpr int kLeft = 29;
constexpr int kPictureTop = 4;

// The field a cross at (x, y) falls into: a cross is an "x" of 8 x 17 units whose glyph
// sits in the lower part of its item; fields are 11 x 13 in a pitch of 15.
QRectF cell(double x, double y) {
  return QRectF(x - 1.5, y - kPictureTop + 2, 11, 13);
}

void field(QPainter& painter, double x, double y, const QString& caption) {
  const QRectF box = cell(x, y);
  painter.setPen(QPen(QColor(200, 40, 40), 0.6));
  painter.drawRect(box);
  painter.setPen(QColor(200, 40, 40));
  painter.drawText(box, Qt::AlignCenter, caption);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "Aufruf: make_slip_picture AUSGABE.jpg\n");
    return 2;
  }
  QGuiApplication app(argc, argv);
  QImage image(kWidth * kScale, kHeight * kScale, QImage::Format_RGB32);
  image.fill(QColor(255, 248, 240));
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.scale(kScale, kScale);
  QFont font("DejaVu Sans");
  font.setPixelSize(6);
  painter.setFont(font);

  for (int box = 0; box < 12; ++box) {
    const int column = box / 2;
    const int line = box % 2;
    const double left = kLeft + 87 * column;
    const double top = kTop + 120 * line;
    painter.setPen(QPen(QColor(200, 40, 40), 1));
    painter.drawRect(QRectF(left - 3, top - kPictureTop + 1, 85, 119));
    // Titles above the upper boxes and below the lower ones.
    const double titleTop = box % 2 == 0 ? top - kPictureTop - 12 : top - kPictureTop + 121;
    painter.drawText(QRectF(left - 3, titleTop, 85, 11), Qt::AlignCenter,
                     QString("%1. Tipp").arg(box + 1));
    for (int n = 1; n <= 45; ++n) {
      const int place = (n - 1) % 6;
      const int row = (n - 1) / 6;
      field(painter, left + 15 * place, top + 15 * row, QString::number(n));
    }
  }
  field(painter, kLeft + 103, kTop + 272, "1");
  field(painter, kLeft + 118, kTop + 272, "2");
  painter.setPen(QColor(200, 40, 40));
  painter.drawText(QRectF(kLeft + 40, kTop + 272 - kPictureTop - 1, 60, 14),
                   Qt::AlignRight | Qt::AlignVCenter, "Ziehungen:");
  const char* jokers[] = {"J3", "J2", "J", "0"};
  for (int i = 0; i < 4; ++i) field(painter, kLeft + 305 + 15 * i, kTop + 300, jokers[i]);
  painter.drawText(QRectF(kLeft + 240, kTop + 300 - kPictureTop - 1, 60, 14),
                   Qt::AlignRight | Qt::AlignVCenter, "Joker:");
  painter.end();
  if (!image.save(QString::fromLocal8Bit(argv[1]), "JPG", 90)) {
    std::fprintf(stderr, "make_slip_picture: %s kann nicht geschrieben werden\n", argv[1]);
    return 1;
  }
  return 0;
}
