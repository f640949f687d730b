#include "aform.h"

#include "common/address.h"
#include "common/controls.h"
#include "common/linklabel.h"
#include "common/links.h"
#include "common/suitelook.h"
#include "common/twips.h"
#include "common/windowstyle.h"

#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QUrl>
#include <algorithm>
#include <vector>

namespace about {

namespace {

// The window's size in twips.
constexpr int kWidth = 6555;
constexpr int kHeight = 7365;

// The name of the maker's other calculator program.
const QString kOtherProgram = QStringLiteral("Цифроид Плюс");

const QString kToolList = QStringLiteral(
    "В состав набора прикладных программ для решения вычислительных задач \"Цифроид 2\" "
    "входят: Цифроид 2 калькулятор 1.3; Цифроид 2 уравнение 1.1; Цифроид 2 вектор 1.0; "
    "Цифроид 2 треугольник 1.1 , Цифроид 2 дробь 1.0.");

const QString kAdvert = QStringLiteral(
    "Цифроид Плюс — инженерный калькулятор для школьников, студентов, инженеров и всех, "
    "кому приходится много считать. Он вычисляет выражения, записанные целиком, со скобками "
    "и порядком действий, хранит историю вычислений и позволяет вернуться к любому прежнему "
    "результату. В нём есть тригонометрические, обратные и гиперболические функции, степени, "
    "корни и логарифмы по любому основанию, перевод чисел между двоичной, восьмеричной, "
    "десятичной и шестнадцатеричной системами счисления, действия с комплексными числами и "
    "статистика по ряду значений, а также перевод единиц длины, массы, площади, объёма и "
    "температуры. Десять ячеек памяти, полное управление с клавиатуры и крупное табло делают "
    "ежедневную работу быстрой и удобной. Программа пригодится на уроке и на экзамене, при "
    "подготовке курсовой работы, в конторе, на производстве и дома, когда нужно быстро "
    "пересчитать смету или расход материалов. Встроенный решатель находит корни многочленов до "
    "четвёртой степени и решает системы линейных уравнений с несколькими неизвестными, а "
    "построитель графиков рисует функции, заданные формулой, с подписанными осями и сеткой. "
    "Денежный раздел считает проценты по вкладам и займам и составляет график платежей, а "
    "раздел дробей работает со смешанными числами и периодическими дробями. Любой результат "
    "копируется одним нажатием и вставляется в документ или таблицу. Подробная справка с "
    "примерами поможет освоить все возможности за один вечер. Цифроид Плюс работает без "
    "установки и занимает совсем немного места.");

const QString kOpensPage = QStringLiteral("Открыть страницу в браузере");

const QString kFooter = QStringLiteral("Разработка и поддержка — мастерская программ «Цифроид».");

// What a mouse movement over a control does to the links' colours.
struct HoverRule {
    const char* over;
    std::vector<const char*> lights; // turn red
    std::vector<const char*> dims;   // turn dark blue
};

const std::vector<HoverRule>& hoverRules() {
    static const std::vector<HoverRule> rules{
        {"Label4", {"Label4"}, {"Label5"}},
        {"Label5", {"Label5"}, {"Label4"}},
        {"Label6", {"Label6"}, {}},
        {"Label12", {"Label12"}, {}},
        {"LabelAdr", {"LabelAdr"}, {}},
        {"s", {}, {"Label4", "Label5"}},
        {"Label2", {}, {"Label4", "Label5"}},
        {"Label11", {}, {"Label12"}},
        {"Label10", {}, {"LabelAdr", "Label6"}},
        {"OSpC", {}, {"Label6"}},
        {"Command1", {}, {"LabelAdr"}},
        {"AForm", {}, {"Label4", "Label5", "Label12", "LabelAdr", "Label6"}},
    };
    return rules;
}

QUrl addressOf(const QString& link) {
    using namespace common::links;
    if (link == u"Label4") {
        return sitePage(QStringLiteral("index.htm"));
    }
    if (link == u"Label5") {
        return sitePage(QStringLiteral("reclama.htm"));
    }
    if (link == u"Label12") {
        return sitePage(QStringLiteral("Cifr.htm"));
    }
    if (link == u"Label6") {
        return downloadPage(QStringLiteral("rus/download.htm"));
    }
    if (link == u"LabelAdr") {
        return supportMail();
    }
    return {};
}

// A font of the first family the system has, at the given size.
QFont fontOf(const QStringList& families, qreal points, bool bold = false) {
    QFont font;
    font.setFamilies(families);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// Where the system lacks a label's font family, the one it uses instead may be wider: its
// letters are then narrowed until the text fits the label's place again. Its lines may also be
// a pixel or two taller: less than a line short, the place grows down to them.
void fitText(QLabel& label) {
    label.ensurePolished();
    const int line = QFontMetrics(label.font()).height();
    const auto needed = [&label, line] {
        return label.wordWrap() ? label.heightForWidth(label.width()) : line;
    };
    const auto overflows = [&] {
        if (label.wordWrap()) {
            return needed() - label.height() >= line;
        }
        return label.minimumSizeHint().width() > label.width();
    };
    QFont font = label.font();
    for (int stretch = 95; overflows() && stretch >= 60; stretch -= 5) {
        font.setStretch(stretch);
        label.setFont(font);
    }
    if (const int missing = needed() - label.height(); missing > 0 && missing < line) {
        label.resize(label.width(), label.height() + missing);
    }
}

void setTextColour(QWidget& widget, QRgb colour) {
    QPalette palette = widget.palette();
    palette.setColor(QPalette::WindowText, QColor(colour));
    widget.setPalette(palette);
}

} // namespace

AForm::AForm(QWidget* parent) : ToolWindow("AForm", QStringLiteral("О программе"), parent) {
    QWidget* page = &body();
    // The places are in twips at 96 dpi; at a larger dpi, whose fonts are larger, they grow
    // in proportion.
    const qreal scale = common::placeScale(*this);
    const auto twipsRect = [scale](int left, int top, int width, int height) {
        return common::twipsRect(left, top, width, height, scale);
    };
    page->setFixedSize(common::twipsToPixels(kWidth, scale), common::twipsToPixels(kHeight, scale));
    const QStringList sans{QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans Condensed")};
    setFont(fontOf(sans, 8.25));

    const auto place = [page](QLabel* control, const char* name, const QRect& area) {
        control->setObjectName(QString::fromLatin1(name));
        control->setGeometry(area);
        control->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return control;
    };
    const auto label = [&](const char* name, const QString& text, const QRect& area) {
        QLabel* control = place(new QLabel(text, page), name, area);
        control->setWordWrap(true);
        return control;
    };
    QList<QWidget*> links;
    const auto link = [&](const char* name, const QString& text, const QRect& area,
                          const QString& description = kOpensPage) {
        auto* control = new common::LinkLabel(text, page);
        control->setAccessibleDescription(description);
        place(control, name, area);
        QFont underlined = control->font();
        underlined.setUnderline(true);
        control->setFont(underlined);
        setTextColour(*control, kDarkBlue);
        connect(control, &common::LinkLabel::activated, this,
                [this, control] { openLink(control->objectName()); });
        links << control;
        return control;
    };

    label("Label1", QStringLiteral("Цифроид 2"), twipsRect(120, 0, 2175, 495))
        ->setFont(fontOf({QStringLiteral("Impact"), QStringLiteral("DejaVu Sans Condensed")}, 21.75,
                         true));
    label("Label2", QStringLiteral("набор прикладных программ для решения вычислительных задач"),
          twipsRect(2280, 0, 1575, 585))
        ->setFont(
            fontOf({QStringLiteral("MS Serif"), QStringLiteral("DejaVu Serif Condensed")}, 6.75));
    label("s", QStringLiteral("Cайт программы: "), twipsRect(3960, 0, 1815, 255));
    link("Label4", common::links::kSiteName, twipsRect(4080, 240, 2295, 255));
    link("Label5", QStringLiteral("Разместить рекламу в Цифроиде"),
         twipsRect(4095, 480, 2415, 255));
    label("Label9", kToolList, twipsRect(120, 840, 6255, 615));
    QLabel* notice =
        label("Label11", QStringLiteral("Cледующая версия 2.27 выйдет в середине сентября."),
              twipsRect(105, 1470, 6210, 225));
    setTextColour(*notice, kRed);
    link("Label12", QStringLiteral("скачать новую версию"), twipsRect(4620, 1470, 1800, 225));
    QLabel* advert = label("OSpC", kAdvert, twipsRect(105, 1680, 6315, 4740));
    setTextColour(*advert, kGreen);
    QLabel* other = link("Label6", QStringLiteral("Скачать ") + kOtherProgram,
                         twipsRect(1995, 6405, 2325, 225));
    QFont otherFont = fontOf(sans, 9);
    otherFont.setUnderline(true);
    other->setFont(otherFont);
    label("Label10",
          QStringLiteral("Сообщения об ошибках и собственные пожелания присылайте по адресу:"),
          twipsRect(105, 6615, 6255, 420));
    link("LabelAdr", common::links::kSupportMail, twipsRect(105, 6825, 1800, 225),
         QStringLiteral("Написать письмо в почтовой программе"));
    auto* ok = new QPushButton(QStringLiteral("Ok"), page);
    ok->setObjectName(QStringLiteral("Command1"));
    ok->setGeometry(twipsRect(5880, 6930, 615, 375));
    common::setCompactKey(*ok); // its place is narrower than the base style's least key
    common::describe(*ok, QStringLiteral("ОК"), QStringLiteral("Закрыть окно «О программе»"));
    setMainKey(*ok);
    label("Label3", kFooter, twipsRect(0, 7035, 6255, 270));
    ok->raise(); // the footer line runs under the key

    const auto labels = page->findChildren<QLabel*>(Qt::FindDirectChildrenOnly);
    for (QLabel* text : labels) {
        fitText(*text);
    }

    // Every control reports the mouse moving over it, and only to this window's rules: a move
    // over a control is never also a move over the window's background. A move over the bare
    // page is one over the window.
    page->setMouseTracking(true);
    page->installEventFilter(this);
    const auto controls = page->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (QWidget* control : controls) {
        control->setMouseTracking(true);
        control->setAttribute(Qt::WA_NoMousePropagation);
        control->installEventFilter(this);
    }

    connect(ok, &QPushButton::clicked, this, &AForm::closeTool);
    // "Ok" has the focus; Tab goes on through the links in reading order and back to it.
    finish({ok, links[0], links[1], links[2], links[3], links[4]});
}

bool AForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseMove) {
        mouseOver(watched == &body() ? objectName() : watched->objectName());
    }
    return ToolWindow::eventFilter(watched, event);
}

void AForm::mouseOver(const QString& control) {
    for (const HoverRule& rule : hoverRules()) {
        if (control == QLatin1String(rule.over)) {
            for (const char* link : rule.lights) {
                paintLink(link, kRed);
            }
            for (const char* link : rule.dims) {
                paintLink(link, kDarkBlue);
            }
            return;
        }
    }
}

void AForm::openLink(const QString& control) {
    const QUrl address = addressOf(control);
    if (address.isValid()) {
        common::openAddress(address);
    }
}

void AForm::paintLink(const char* link, QRgb colour) {
    if (auto* control = findChild<QLabel*>(QString::fromLatin1(link))) {
        if (control->palette().color(QPalette::WindowText).rgb() != colour) {
            setTextColour(*control, colour);
        }
    }
}

} // namespace about
