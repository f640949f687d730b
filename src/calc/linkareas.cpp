#include "linkareas.h"

#include "common/address.h"
#include "common/controls.h"
#include "common/links.h"
#include "common/twips.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>

namespace calc {

namespace {

// The outline stands 10 twips outside an area at the top and left, 1 twip at the bottom and
// right.
constexpr int kOutsideTopLeft = common::twipsToPixels(10);
constexpr int kOutsideBottomRight = common::twipsToPixels(1);
constexpr QRgb kFrameColour = qRgb(255, 0, 0);

void setTextColour(QLabel& label, QRgb colour) {
    QPalette palette = label.palette();
    palette.setColor(QPalette::WindowText, QColor(colour));
    label.setPalette(palette);
}

// A link area: a patch of the panel, without a text of its own, over the words it opens. Tab
// reaches it, but a click leaves the focus on the keys; the panel's red frame shows its focus.
common::LinkLabel* makeArea(const char* name, const QString& spokenName, const QString& description,
                            QWidget& panel) {
    auto* area = new common::LinkLabel(QString(), &panel);
    common::setName(*area, name);
    common::describe(*area, spokenName, description);
    area->setMouseTracking(true);
    area->setFocusPolicy(Qt::TabFocus);
    area->setFocusRing(false);
    return area;
}

} // namespace

LinkPanel::LinkPanel(QWidget* parent)
    : QWidget(parent),
      image1_(makeArea("Image1", QStringLiteral("Реклама на сайте"),
                       QStringLiteral("Открыть в браузере страницу о рекламе на сайте ") +
                           common::links::kSiteName,
                       *this)),
      image2_(makeArea("Image2", QStringLiteral("Скачать Цифроид Плюс"),
                       QStringLiteral("Открыть в браузере страницу загрузки Цифроид Плюс"),
                       *this)) {
    common::setName(*this, "links");
    // The texts break where they are written to break: a label that wraps by itself lays its text
    // out at several trial widths while the window is first sized.
    auto* rent = common::makeLabel("Label2",
                                   QStringLiteral("Здесь может быть ваша реклама — всего 100 руб.\n"
                                                  "в месяц (около 3500 скачиваний в месяц).\n"
                                                  "Подробности на сайте ") +
                                       common::links::kSiteName,
                                   this);
    auto* other = common::makeLabel(
        "Label1", QStringLiteral("Цифроид Плюс — калькулятор,\nсозданный специально для вас!"),
        this);
    auto* download = common::makeLabel("Label3", QStringLiteral("СКАЧАТЬ!"), this);
    setTextColour(*rent, qRgb(192, 0, 0));
    setTextColour(*other, qRgb(0, 128, 0));
    setTextColour(*download, qRgb(255, 0, 0));
    // Underlined like a link: a bold face would be one more font to load before the window shows.
    QFont underlined = download->font();
    underlined.setUnderline(true);
    download->setFont(underlined);
    auto* otherBox = new QVBoxLayout;
    otherBox->setSpacing(2);
    otherBox->addWidget(other);
    otherBox->addWidget(download, 0, Qt::AlignHCenter);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(6, 4, 6, 4);
    grid->setHorizontalSpacing(12);
    grid->addWidget(rent, 0, 0);
    grid->addLayout(otherBox, 0, 1);
    // The areas lie over the labels, above them.
    grid->addWidget(image1_, 0, 0);
    grid->addWidget(image2_, 0, 1);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);

    for (common::LinkLabel* area : {image1_, image2_}) {
        area->installEventFilter(this);
        area->raise();
    }
    connect(image1_, &common::LinkLabel::activated, this, &LinkPanel::openAdvertPage);
    connect(image2_, &common::LinkLabel::activated, this, &LinkPanel::openDownloadPage);
    other->installEventFilter(this);
    watchBareSurface(*this);
}

void LinkPanel::watchBareSurface(QWidget& surface) {
    surface.setMouseTracking(true);
    surface.installEventFilter(this);
}

QRect LinkPanel::frameOf(Lit area) const {
    const QLabel* image = area == Lit::Image1 ? image1_ : image2_;
    const QRect g = image->geometry();
    const QPoint topLeft = g.topLeft() - QPoint(kOutsideTopLeft, kOutsideTopLeft);
    // Just outside the area's last pixel, and the twip beyond it.
    const QPoint bottomRight =
        g.bottomRight() + QPoint(1 + kOutsideBottomRight, 1 + kOutsideBottomRight);
    return {topLeft, bottomRight};
}

void LinkPanel::openAdvertPage() {
    common::openAddress(common::links::sitePage(QStringLiteral("reclama.htm")));
}

void LinkPanel::openDownloadPage() {
    common::openAddress(common::links::downloadPage(QStringLiteral("rus/download.htm")));
}

void LinkPanel::unlight() {
    light(Lit::None);
}

void LinkPanel::light(Lit area) {
    if (lit_ != area) {
        lit_ = area;
        update();
    }
}

bool LinkPanel::eventFilter(QObject* watched, QEvent* event) {
    const bool onArea = watched == image1_ || watched == image2_;
    const Lit area = watched == image1_ ? Lit::Image1 : Lit::Image2;
    switch (event->type()) {
    case QEvent::MouseMove:
        if (onArea) {
            light(area);
            return true; // not passed on to the panel beneath, which is bare window
        } else {
            unlight();
        }
        break;
    case QEvent::MouseButtonPress:
        if (watched->objectName() == u"Label1") {
            unlight();
        }
        break;
    case QEvent::FocusIn:
    case QEvent::FocusOut:
        if (onArea) {
            update(); // the focus outline comes or goes
        }
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void LinkPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(QPen(QColor(kFrameColour), 0));
    for (const Lit area : {Lit::Image1, Lit::Image2}) {
        const common::LinkLabel* image = area == Lit::Image1 ? image1_ : image2_;
        if (area == lit_ || image->hasFocus()) {
            // The pen falls right of and below a line.
            painter.drawRect(frameOf(area).adjusted(0, 0, -1, -1));
        }
    }
}

} // namespace calc
