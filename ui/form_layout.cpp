#include "form_layout.h"

#include "display_settings.h"
#include "pictures.h"
#include "poem_canvas.h"

#include <QLabel>
#include <QPushButton>
#include <QTextEdit>

#include <algorithm>
#include <array>

namespace zoravina {

namespace {

enum class Kind { Label, Button, Picture, Frame, TextBox };

struct ControlSpec {
    const char* name;
    const char* parent;   // nullptr: the canvas
    Kind kind;
    const char* caption;
    int left, top, width, height;   // twips
    bool visible;
};

// The window's controls; the poem-line click areas are added separately.
constexpr ControlSpec kControls[] = {
    {"Picture8", nullptr, Kind::Picture, "", 0, 0, 15315, 11130, false},
    {"Picture13", "Picture8", Kind::Picture, "", 6000, 3915, 3135, 3135, false},
    {"Command4", "Picture13", Kind::Button, "Stara pesem", 930, 2865, 1365, 285, false},
    {"Label25_0", "Picture13", Kind::Label, "", 300, 300, 1200, 1200, false},
    {"Label25_1", "Picture13", Kind::Label, "", 1600, 300, 1200, 1200, false},
    {"Command2", nullptr, Kind::Button, "Nova pesem", 6225, 6225, 1365, 285, false},
    {"Command3", nullptr, Kind::Button, "Nastavitve", 4740, 6225, 1200, 285, false},
    {"Picture6", nullptr, Kind::Picture, "", 2760, 6120, 1410, 420, false},
    {"Text16", nullptr, Kind::TextBox, "", 0, 15, 15360, 10515, false},
    {"Label3", nullptr, Kind::Label, "Število verzov", 225, 6210, 2655, 195, false},
    {"Label6", nullptr, Kind::Label, "", 4215, -45, 7230, 675, false},
    {"Label5", nullptr, Kind::Label, "", 4170, -90, 7230, 675, false},
    {"Label7", nullptr, Kind::Label, "verzi in zasnova: ustvarjalci Zoravine", 960, 645, 3450, 240, false},
    {"Labl7", nullptr, Kind::Label, " > Prva slovenska interaktivna pesem < ", 660, 645, 4965, 300, false},
    {"Label9", nullptr, Kind::Label, "•• prva slovenska interaktivna pesem ••", 5175, 705, 5145, 405, false},
    {"Label10", nullptr, Kind::Label, "ustvarjalci Zoravine, 2026", 5445, 1110, 4635, 465, false},
    {"Label16_0", nullptr, Kind::Label, "", 6100, 6600, 15, 15, false},
    {"Picture7", nullptr, Kind::Picture, "", 3915, 3900, 7785, 1905, true},
    {"Command16", nullptr, Kind::Button, "O pesmi", 15, 9950, 1815, 330, true},
    {"Command14", nullptr, Kind::Button, "Zasnova pesmi", 2055, 9950, 1815, 330, true},
    {"Command15", nullptr, Kind::Button, "Napotki za branje in oblikovanje", 4035, 9950, 3420, 330, true},
    {"Command11", nullptr, Kind::Button, "O programu", 7635, 9950, 1815, 330, true},
    {"Command12", nullptr, Kind::Button, "O avtorju", 9705, 9950, 1815, 330, true},
    {"Command13", nullptr, Kind::Button, " Potrkaj in vstopi", 13350, 9960, 1815, 330, true},
    {"Command6", nullptr, Kind::Button, "Namestitev programa", 1080, 225, 2000, 285, true},
    {"Frame6", nullptr, Kind::Frame, "", 2000, 3000, 10980, 5595, false},
};

// Design tops of the click areas over the poem lines, before start-up lifts
// each by ten twips per line of its column.
constexpr std::array<int, 46> kLargeLineTops{
    1020, 1365, 1710, 2085, 2445, 3120, 3480, 3840, 4230, 4605, 5280, 5640, 6000, 6645, 7005, 7365,
    7725, 8085, 8745, 9105, 9465, 9825, 10185, 1035, 1395, 1755, 2115, 2475, 3180, 3540, 3900, 4260,
    4620, 5280, 5640, 6000, 6645, 7005, 7365, 7725, 8085, 8790, 9150, 9510, 9870, 10230};
constexpr std::array<int, 46> kSmallLineTops{
    870, 1140, 1410, 1680, 1950, 2490, 2760, 3030, 3300, 3570, 4060, 4360, 4650, 5130, 5400, 5670,
    5940, 6210, 6735, 7005, 7275, 7545, 7815, 900, 1155, 1440, 1710, 1980, 2490, 2760, 3030, 3300,
    3570, 4095, 4395, 4680, 5145, 5415, 5685, 5955, 6225, 6750, 7020, 7290, 7560, 7830};

struct ClickAreas {
    const char* name;
    const std::array<int, 46>* tops;
    int firstColumnLeft, secondColumnLeft, width, height;
};
constexpr ClickAreas kClickAreas[] = {
    {"Label1", &kLargeLineTops, 240, 7800, 7300, 255},
    {"Label2", &kSmallLineTops, 225, 5800, 5500, 135},
};

QRect pixels(int left, int top, int width, int height)
{
    return {left / kTwipsPerPixel, top / kTwipsPerPixel, width / kTwipsPerPixel, height / kTwipsPerPixel};
}

QFont font(const char* family, double points, bool bold = false)
{
    QFont f{QString::fromLatin1(family)};
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

QWidget* create(const ControlSpec& spec, QWidget* parent)
{
    QWidget* widget = nullptr;
    const QString caption = QString::fromUtf8(spec.caption);
    switch (spec.kind) {
    case Kind::Label: {
        auto* label = new QLabel(caption, parent);
        label->setAttribute(Qt::WA_TranslucentBackground);
        widget = label;
        break;
    }
    case Kind::Button: widget = new QPushButton(caption, parent); break;
    case Kind::Picture: widget = new QLabel(parent); break;
    case Kind::Frame: {
        auto* frame = new QLabel(parent);
        frame->setStyleSheet(QStringLiteral("background-color: rgb(0, 255, 255);"));
        widget = frame;
        break;
    }
    case Kind::TextBox: widget = new QTextEdit(parent); break;
    }
    widget->setObjectName(QString::fromLatin1(spec.name));
    widget->setGeometry(pixels(spec.left, spec.top, spec.width, spec.height));
    if (spec.kind == Kind::Button)
        widget->setFont(font("MS Sans Serif", 8.25, true));
    // The layout was drawn for the Windows fonts; a wider stand-in font must not clip a caption.
    if (spec.kind == Kind::Label && !caption.isEmpty())
        widget->resize(std::max(widget->width(), widget->sizeHint().width()), std::max(widget->height(), widget->sizeHint().height()));
    widget->setVisible(spec.visible);
    return widget;
}

void styleTitles(PoemCanvas& canvas)
{
    auto label = [&](const char* name) { return canvas.findChild<QLabel*>(QString::fromLatin1(name)); };
    const QFont title = font("Times New Roman", 30, true);
    label("Label5")->setFont(title);
    label("Label5")->setStyleSheet(QStringLiteral("color: rgb(250, 212, 110);"));
    label("Label6")->setFont(title);
    label("Label6")->setStyleSheet(QStringLiteral("color: rgb(16, 8, 32);"));
    label("Label7")->setFont(font("System", 9.75, true));
    label("Label7")->setStyleSheet(QStringLiteral("color: rgb(200, 210, 255);"));
    label("Labl7")->setFont(font("MS Sans Serif", 12, true));
    label("Labl7")->setStyleSheet(QStringLiteral("color: rgb(200, 210, 255);"));
    label("Label9")->setFont(font("Arial Narrow", 17.25));
    label("Label9")->setStyleSheet(QStringLiteral("color: rgb(250, 212, 110);"));
    label("Label10")->setFont(font("Comic Sans MS", 17.25));
    label("Label10")->setStyleSheet(QStringLiteral("color: rgb(200, 210, 255);"));
    for (const char* name : {"Label5", "Label6", "Label7", "Labl7", "Label9", "Label10"})
        label(name)->resize(std::max(label(name)->width(), label(name)->sizeHint().width()),
                            std::max(label(name)->height(), label(name)->sizeHint().height()));
    auto* start = label("Picture7");
    start->setPixmap(QPixmap::fromImage(drawStartPicture(start->size())));
    auto* panel = label("Picture6");
    panel->setStyleSheet(QStringLiteral("background-color: rgb(255, 0, 0);"));
}

} // namespace

void buildControls(PoemCanvas& canvas)
{
    for (const ControlSpec& spec : kControls) {
        QWidget* parent = spec.parent ? canvas.findChild<QWidget*>(QString::fromLatin1(spec.parent)) : &canvas;
        create(spec, parent);
    }
    for (const ClickAreas& areas : kClickAreas) {
        for (int i = 1; i <= 46; ++i) {
            const int lift = 10 * (i <= 23 ? i : i - 23);
            const int left = i <= 23 ? areas.firstColumnLeft : areas.secondColumnLeft;
            auto* area = new QLabel(&canvas);
            area->setObjectName(QStringLiteral("%1_%2").arg(QString::fromLatin1(areas.name)).arg(i));
            area->setAttribute(Qt::WA_TranslucentBackground);
            area->setGeometry(pixels(left, (*areas.tops)[static_cast<std::size_t>(i - 1)] - lift, areas.width, areas.height));
            area->hide();
        }
    }
    styleTitles(canvas);
}

} // namespace zoravina
