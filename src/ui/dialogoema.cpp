// Automatic-station dialog and its data-source picture.
#include "ui/dialogoema.h"

#include "ui/emamanual.h"
#include "ui/qtext.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <cmath>

namespace brisalta::ui {
namespace {

constexpr int kPictureWidth = 182;
constexpr int kPictureHeight = 79;

QGroupBox* framed(const QString& title, QWidget* inside, QWidget* parent) {
    auto* frame = new QGroupBox(title, parent);
    auto* layout = new QVBoxLayout(frame);
    layout->addWidget(inside);
    return frame;
}

// Sky, two rows of hills and the ground the station stands on.
void paintLandscape(QPainter& p) {
    QLinearGradient sky(0, 0, 0, 58);
    sky.setColorAt(0, QColor(95, 150, 215));
    sky.setColorAt(1, QColor(200, 225, 245));
    p.fillRect(QRectF(0, 0, kPictureWidth, kPictureHeight), sky);

    QPainterPath far;
    far.moveTo(0, 56);
    far.quadTo(45, 38, 95, 52);
    far.quadTo(140, 62, 182, 44);
    far.lineTo(182, 79);
    far.lineTo(0, 79);
    far.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 165, 110));
    p.drawPath(far);

    QPainterPath near;
    near.moveTo(0, 66);
    near.quadTo(60, 58, 120, 68);
    near.quadTo(155, 73, 182, 64);
    near.lineTo(182, 79);
    near.lineTo(0, 79);
    near.closeSubpath();
    p.setBrush(QColor(85, 140, 70));
    p.drawPath(near);
}

// A lattice mast with the anemometer and vane on top, the radiation shield of
// the thermometer on an arm, a solar panel and the logger box at its foot.
void paintStation(QPainter& p) {
    const QColor steel(90, 95, 105);
    const qreal x = 44; // mast axis
    const qreal top = 14;
    const qreal foot = 68;

    p.setPen(QPen(steel, 1.2));
    p.drawLine(QPointF(x - 2, top), QPointF(x - 2, foot));
    p.drawLine(QPointF(x + 2, top), QPointF(x + 2, foot));
    for (qreal y = top; y + 6 <= foot; y += 6) {
        p.drawLine(QPointF(x - 2, y), QPointF(x + 2, y + 6));
    }

    // Cup anemometer on the left of the cross-arm, wind vane on the right.
    p.setPen(QPen(steel, 1.4));
    p.drawLine(QPointF(x - 14, top), QPointF(x + 14, top));
    p.drawLine(QPointF(x - 12, top), QPointF(x - 12, top - 5));
    p.drawLine(QPointF(x - 18, top - 5), QPointF(x - 6, top - 5));
    p.setBrush(QColor(240, 240, 240));
    p.setPen(QPen(steel, 0.8));
    p.drawChord(QRectF(x - 21, top - 8, 6, 6), 90 * 16, 180 * 16);
    p.drawChord(QRectF(x - 9, top - 8, 6, 6), -90 * 16, 180 * 16);
    p.setPen(QPen(steel, 1.4));
    p.drawLine(QPointF(x + 12, top), QPointF(x + 12, top - 4));
    QPainterPath vane;
    vane.moveTo(x + 6, top - 4);
    vane.lineTo(x + 18, top - 4);
    vane.lineTo(x + 21, top - 7);
    vane.lineTo(x + 21, top - 1);
    vane.lineTo(x + 18, top - 4);
    p.setBrush(steel);
    p.drawPath(vane);

    // Radiation shield: a stack of white plates on an arm.
    p.drawLine(QPointF(x - 2, 34), QPointF(x - 10, 34));
    p.setPen(QPen(QColor(150, 150, 150), 0.8));
    p.setBrush(QColor(250, 250, 250));
    for (int k = 0; k < 5; ++k) {
        p.drawEllipse(QRectF(x - 17, 29 + k * 2.2, 10, 2.6));
    }

    // Solar panel facing south, tilted.
    QPainterPath panel;
    panel.moveTo(x + 3, 40);
    panel.lineTo(x + 19, 36);
    panel.lineTo(x + 21, 46);
    panel.lineTo(x + 5, 50);
    panel.closeSubpath();
    p.setPen(QPen(QColor(30, 40, 70), 0.8));
    p.setBrush(QColor(35, 70, 150));
    p.drawPath(panel);
    p.setPen(QPen(QColor(150, 180, 230), 0.5));
    p.drawLine(QPointF(x + 11, 38), QPointF(x + 13, 48));
    p.drawLine(QPointF(x + 4, 45), QPointF(x + 20, 41));

    // Logger box at the foot.
    p.setPen(QPen(QColor(110, 110, 110), 0.8));
    p.setBrush(QColor(225, 225, 215));
    p.drawRect(QRectF(x + 3, 56, 9, 8));
}

void paintCaption(QPainter& p) {
    const QRectF plate(82, 18, 94, 40);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 200));
    p.drawRoundedRect(plate, 5, 5);

    QFont big(QStringLiteral("Liberation Sans"));
    big.setPixelSize(17);
    big.setBold(true);
    p.setFont(big);
    p.setPen(QColor(20, 60, 120));
    p.drawText(QRectF(plate.left(), plate.top() + 2, plate.width(), 20), Qt::AlignCenter,
               QStringLiteral("AEMET"));
    QFont small(big);
    small.setPixelSize(13);
    small.setBold(false);
    small.setItalic(true);
    p.setFont(small);
    p.drawText(QRectF(plate.left(), plate.top() + 20, plate.width(), 18), Qt::AlignCenter,
               QStringLiteral("OpenData"));
}

} // namespace

QPixmap DialogoEma::dataSourcePicture() {
    QPixmap picture(kPictureWidth, kPictureHeight);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    paintLandscape(p);
    paintStation(p);
    paintCaption(p);
    return picture;
}

DialogoEma::DialogoEma(const QString& keyText, const QStringList& entries, QWidget* parent)
    : QDialog(parent), mKey(new QPlainTextEdit(keyText, this)), mStations(new QComboBox(this)),
      mManual(new QPushButton(tr8("Manual"), this)), mOk(new QPushButton(tr8("Aceptar"), this)),
      mCancel(new QPushButton(tr8("Cancelar"), this)) {
    setWindowTitle(tr8("Estaciones Automáticas (EMAs)"));

    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("fuente"));
    picture->setPixmap(dataSourcePicture());
    picture->setFixedSize(kPictureWidth, kPictureHeight);

    mKey->setObjectName(QStringLiteral("clave"));
    mKey->setReadOnly(true);
    mKey->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    mKey->setFixedHeight(100);

    // Editable and unsorted: entry i stays record i of the list.
    mStations->setObjectName(QStringLiteral("estaciones"));
    mStations->setEditable(true);
    mStations->setInsertPolicy(QComboBox::NoInsert);
    mStations->setMaxVisibleItems(16);
    mStations->addItems(entries);
    mStations->setCurrentIndex(entries.isEmpty() ? -1 : 0);

    mManual->setObjectName(QStringLiteral("manual"));
    mManual->setAutoDefault(false);
    mOk->setObjectName(QStringLiteral("ok"));
    mOk->setDefault(true);
    mCancel->setObjectName(QStringLiteral("cancel"));
    mCancel->setAutoDefault(false);
    connect(mOk, &QPushButton::clicked, this, &DialogoEma::acceptSelection);
    connect(mCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(mManual, &QPushButton::clicked, this, &DialogoEma::typeIdentifier);

    auto* source = new QHBoxLayout;
    source->addStretch();
    source->addWidget(framed(tr8("Fuente de los datos"), picture, this));
    source->addStretch();
    auto* manualRow = new QHBoxLayout;
    manualRow->addStretch();
    manualRow->addWidget(mManual);
    manualRow->addStretch();
    auto* okRow = new QHBoxLayout;
    okRow->addStretch();
    okRow->addWidget(mOk);
    okRow->addStretch();
    okRow->addWidget(mCancel);
    okRow->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(source);
    layout->addWidget(framed(tr8("API Key - Aemet Opendata"), mKey, this));
    layout->addWidget(framed(tr8("Estaciones Automáticas (EMAs)"), mStations, this));
    layout->addLayout(manualRow);
    layout->addSpacing(10);
    layout->addLayout(okRow);

    // Every control, nested ones included, in the dialog's face and size at
    // weight 500.
    QFont controlFont = font();
    controlFont.setWeight(QFont::Medium);
    for (QWidget* control : findChildren<QWidget*>()) {
        control->setFont(controlFont);
    }
    setMinimumWidth(340);
    setFixedSize(sizeHint().expandedTo(minimumSize()));
}

void DialogoEma::acceptSelection() {
    mAnswer = AutomaticStationAnswer{false, mStations->currentIndex(), {}};
    accept();
}

void DialogoEma::typeIdentifier() {
    EMAManual manual(this);
    if (manual.exec() != QDialog::Accepted) {
        return; // the station dialog stays open with its selection
    }
    mAnswer = AutomaticStationAnswer{true, -1, fromQt(manual.identifier())};
    accept();
}

} // namespace brisalta::ui
