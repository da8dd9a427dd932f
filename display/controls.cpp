#include "controls.h"

namespace zoravina {

namespace {

using C = Control;
using K = ControlKind;

constexpr FontSpec kInherit{"", 0, false};
constexpr FontSpec kControlFont{"MS Sans Serif", 8.25, true};
constexpr FontSpec kTitleFont{"Times New Roman", 30, true};
constexpr FontSpec kDrawingFont{"Times New Roman", 13.5, true};
constexpr Colour kCreditBlue = rgb(200, 210, 255);
constexpr Colour kGold = rgb(250, 212, 110);
constexpr Colour kItemBlack = rgb(0, 0, 0);

// Corner menu items lie over the option words drawn in their pictures.
constexpr Rect kAlignmentItems[] = {{420, 330, 2380, 420}, {420, 800, 2380, 420}, {420, 1270, 2380, 420}};
constexpr Rect kKindItems[] = {{430, 250, 2400, 360}, {430, 650, 2400, 360}, {430, 1050, 2400, 360}};
constexpr Rect kCorrectionItems[] = {{420, 380, 2360, 420}, {420, 900, 2360, 420}};
constexpr Rect kSelectivityItems[] = {{440, 330, 2400, 420}, {440, 850, 2400, 420}, {440, 1370, 2400, 420}};
// The quick-settings images stand in the order 1, 3, 2.
constexpr Rect kQuickImages[] = {{0, 0, 480, 420}, {900, 0, 480, 420}, {480, 0, 480, 420}};
constexpr Rect kColourModeLabels[] = {{240, 420, 1260, 2240}, {1635, 420, 1260, 2240}};
constexpr Rect kNoticeLines[] = {{420, 420, 10140, 600}, {420, 1140, 10140, 600}, {420, 1860, 10140, 600},
                                 {420, 2580, 10140, 600}, {420, 3300, 10140, 600}, {420, 4020, 10140, 600}};
constexpr Rect kInstallTargets[] = {{1080, 600, 3000, 285}, {1080, 900, 3000, 285}};

// The two columns of click areas over the poem lines. Their design tops,
// before start-up lifts each by ten twips per line of its column.
constexpr Rect area(int left, int top, int width, int height) { return {left, top, width, height}; }
constexpr std::array<int, 46> kLargeLineTops{
    1020, 1365, 1710, 2085, 2445, 3120, 3480, 3840, 4230, 4605, 5280, 5640, 6000, 6645, 7005, 7365,
    7725, 8085, 8745, 9105, 9465, 9825, 10185, 1035, 1395, 1755, 2115, 2475, 3180, 3540, 3900, 4260,
    4620, 5280, 5640, 6000, 6645, 7005, 7365, 7725, 8085, 8790, 9150, 9510, 9870, 10230};
constexpr std::array<int, 46> kSmallLineTops{
    870, 1140, 1410, 1680, 1950, 2490, 2760, 3030, 3300, 3570, 4060, 4360, 4650, 5130, 5400, 5670,
    5940, 6210, 6735, 7005, 7275, 7545, 7815, 900, 1155, 1440, 1710, 1980, 2490, 2760, 3030, 3300,
    3570, 4095, 4395, 4680, 5145, 5415, 5685, 5955, 6225, 6750, 7020, 7290, 7560, 7830};
template <const std::array<int, 46>& Tops, int Left, int Width, int Height>
constexpr std::array<Rect, 46> lineAreas()
{
    std::array<Rect, 46> areas{};
    for (int i = 0; i < 46; ++i)
        areas[static_cast<std::size_t>(i)] = area(Left, Tops[static_cast<std::size_t>(i)], Width, Height);
    return areas;
}
// At design time every area stands in the first column; start-up moves and widens them.
constexpr auto kLargeLineAreas = lineAreas<kLargeLineTops, 240, 7300, 255>();
constexpr auto kSmallLineAreas = lineAreas<kSmallLineTops, 225, 5500, 135>();

constexpr Rect kNone{0, 0, 0, 0};

// Options of a frame stand one above the other from 360 twips.
constexpr Rect option(int index) { return {150, 360 + 400 * index, 1650, 300}; }
constexpr Rect kThreeOptions[] = {option(0), option(1), option(2)};
constexpr Rect kTwoOptions[] = {option(0), option(1)};

// The two upper corner menus stand below the row of option frames, which
// would otherwise cover them and their hover spots.
constexpr int kUpperCornersDown = 3205;

constexpr ControlSpec kTable[] = {
    {C::Form1, "Form1", K::Window, C::Form1, "Zovo razor", {0, 0, 15360, 11520}, kDrawingFont, {}, rgb(0, 0, 128), true},

    {C::Picture8, "Picture8", K::Picture, C::Form1, "", {0, 0, 15360, 11520}, kInherit, {}, {}, false},
    {C::Picture9, "Picture9", K::Picture, C::Picture8, "", {1350, 195 + kUpperCornersDown, 3225, 1875}, kInherit, {}, {}, false},
    {C::Picture10, "Picture10", K::Picture, C::Picture8, "", {10725, 435 + kUpperCornersDown, 3255, 1575}, kInherit, {}, {}, false},
    {C::Picture11, "Picture11", K::Picture, C::Picture8, "", {10845, 8835, 3195, 1605}, kInherit, {}, {}, false},
    {C::Picture12, "Picture12", K::Picture, C::Picture8, "", {1200, 8805, 3285, 2025}, kInherit, {}, {}, false},
    {C::Label17, "Label17", K::Label, C::Picture9, "", kNone, kInherit, {}, kItemBlack, false, 1, 3, kAlignmentItems},
    {C::Label19, "Label19", K::Label, C::Picture12, "", kNone, kInherit, {}, kItemBlack, false, 1, 3, kSelectivityItems},
    {C::Label21, "Label21", K::Label, C::Picture10, "", kNone, kInherit, {}, kItemBlack, false, 1, 3, kKindItems},
    {C::Label23, "Label23", K::Label, C::Picture11, "", kNone, kInherit, {}, kItemBlack, false, 1, 2, kCorrectionItems},
    {C::Label18, "Label18", K::Label, C::Picture8, "", {1575, 1440 + kUpperCornersDown, 2700, 645}, kInherit, {}, {}, false},
    {C::Label20, "Label20", K::Label, C::Picture8, "", {1560, 8850, 2490, 570}, kInherit, {}, {}, false},
    {C::Label22, "Label22", K::Label, C::Picture8, "", {11280, 1530 + kUpperCornersDown, 2475, 570}, kInherit, {}, {}, false},
    {C::Label24, "Label24", K::Label, C::Picture8, "", {11235, 9045, 2775, 660}, kInherit, {}, {}, false},
    {C::Picture13, "Picture13", K::Picture, C::Picture8, "", {6000, 3915, 3135, 3135}, kInherit, {}, {}, false},
    {C::Command4, "Command4", K::Button, C::Picture13, "Stara pesem", {930, 2865, 1365, 285}, kControlFont, {}, {}, false},
    {C::Label25, "Label25", K::Label, C::Picture13, "", kNone, kInherit, {}, {}, false, 0, 1, kColourModeLabels},

    {C::Frame1, "Frame1", K::Frame, C::Form1, "PORAVNAVA", {720, 960, 1935, 2055}, kControlFont, {}, {}, false},
    {C::poravnava, "poravnava", K::Option, C::Frame1, "Levo\nDesno\nSredina", kNone, kControlFont, {}, {}, true, 1, 3, kThreeOptions},
    {C::Frame2, "Frame2", K::Frame, C::Form1, "PREDNOST", {2880, 960, 1935, 2055}, kControlFont, {}, {}, false},
    {C::prednost, "prednost", K::Option, C::Frame2, "Največja\nSrednja\nNajmanjša", kNone, kControlFont, {}, {}, true, 1, 3, kThreeOptions},
    {C::Frame4, "Frame4", K::Frame, C::Form1, "PESEM", {5005, 960, 1965, 2295}, kControlFont, {}, {}, false},
    {C::pesem, "pesem", K::Option, C::Frame4, "Svetla \nTemačna\nKombinacija", kNone, kControlFont, {}, {}, true, 1, 3, kThreeOptions},
    {C::Command1, "Command1", K::Button, C::Frame4, "Izpis", {300, 1700, 1365, 360}, kControlFont, {}, {}, true},
    {C::Frame5, "Frame5", K::Frame, C::Form1, "PISAVA", {7200, 960, 1935, 2055}, kControlFont, {}, {}, false},
    {C::pisan, "pisan", K::Option, C::Frame5, "Večbarvno\nDvobarvno", kNone, kControlFont, {}, {}, true, 0, 1, kTwoOptions},
    {C::Combo3, "Combo3", K::ComboBox, C::Frame5, "", {120, 1260, 1695, 330}, kControlFont, {}, {}, true},
    {C::Frame3, "Frame3", K::Frame, C::Form1, "POPRAVKI", {9360, 960, 1935, 2055}, kControlFont, {}, {}, false},
    {C::popravki, "popravki", K::Option, C::Frame3, "Ročno\nSamodejno", kNone, kControlFont, {}, {}, true, 1, 2, kTwoOptions},

    {C::Label16, "Label16", K::Label, C::Form1, "", {6100, 6600, 15, 15}, kInherit, {}, {}, false, 0, 0},
    {C::Label1, "Label1", K::Label, C::Form1, "", kNone, kInherit, {}, {}, false, 1, 46, kLargeLineAreas},
    {C::Label2, "Label2", K::Label, C::Form1, "", kNone, kInherit, {}, {}, false, 1, 46, kSmallLineAreas},
    {C::Label6, "Label6", K::Label, C::Form1, "Zoravina je Orn je Zoravina", {4215, -45, 7230, 675}, kTitleFont, rgb(16, 8, 32), {}, false},
    {C::Label5, "Label5", K::Label, C::Form1, "Zoravina je Orn je Zoravina", {4170, -90, 7230, 675}, kTitleFont, kGold, {}, false},
    {C::Label7, "Label7", K::Label, C::Form1, "verzi in zasnova: ustvarjalci Zoravine", {960, 645, 3450, 240}, {"System", 9.75, true}, kCreditBlue, {}, false},
    {C::Labl7, "Labl7", K::Label, C::Form1, " > Prva slovenska interaktivna pesem < ", {660, 645, 4965, 300}, {"MS Sans Serif", 12, true}, kCreditBlue, {}, false},
    {C::Label9, "Label9", K::Label, C::Form1, "•• prva slovenska interaktivna pesem ••", {5175, 705, 5145, 405}, {"Arial Narrow", 17.25, false}, kGold, {}, false},
    {C::Label10, "Label10", K::Label, C::Form1, "ustvarjalci Zoravine, 2026", {5445, 1110, 4635, 465}, {"Comic Sans MS", 17.25, false}, kCreditBlue, {}, false},
    {C::Label3, "Label3", K::Label, C::Form1, "Število verzov", {225, 6210, 2655, 195}, kControlFont, rgb(255, 255, 255), {}, false},
    {C::Picture6, "Picture6", K::Picture, C::Form1, "", {2760, 6120, 1410, 420}, kInherit, {}, rgb(255, 0, 0), false},
    {C::Image2, "Image2", K::Picture, C::Picture6, "", kNone, kInherit, {}, {}, true, 1, 3, kQuickImages},
    {C::Command2, "Command2", K::Button, C::Form1, "Nova pesem", {6225, 6225, 1365, 285}, kControlFont, {}, {}, false},
    {C::Command3, "Command3", K::Button, C::Form1, "Nastavitve", {4740, 6225, 1200, 285}, kControlFont, {}, {}, false},
    {C::Command5, "Command5", K::Button, C::Form1, "Vaši verzi", {7905, 6225, 1515, 285}, kControlFont, {}, {}, false},
    {C::Combo2, "Combo2", K::ComboBox, C::Form1, "Vpišite svoj verz", {600, 3000, 10965, 315}, kControlFont, {}, {}, false},
    {C::combo1, "combo1", K::ListBox, C::Form1, "", {600, 3885, 10770, 3735}, kControlFont, {}, {}, false},
    {C::List1, "List1", K::ListBox, C::Form1, "", {4860, 975, 3165, 5685}, kControlFont, {}, {}, false},
    {C::Text1, "Text1", K::TextBox, C::Form1, "", {0, 0, 1500, 300}, kControlFont, {}, {}, false},
    {C::Text2, "Text2", K::TextBox, C::Form1, "", {4440, 6990, 4110, 2895}, kControlFont, {}, {}, false},
    {C::Text16, "Text16", K::TextBox, C::Form1, "", {0, 15, 15360, 10515}, {"Times New Roman", 9.75, false}, rgb(0, 0, 0), rgb(255, 255, 255), false},

    {C::Picture7, "Picture7", K::Picture, C::Form1, "", {3915, 3900, 7785, 1905}, kInherit, {}, {}, true},
    {C::Command16, "Command16", K::Button, C::Form1, "O pesmi", {15, 9950, 1815, 330}, kControlFont, {}, {}, true},
    {C::Command14, "Command14", K::Button, C::Form1, "Zasnova pesmi", {2055, 9950, 1815, 330}, kControlFont, {}, {}, true},
    {C::Command15, "Command15", K::Button, C::Form1, "Napotki za branje in oblikovanje", {4035, 9950, 3420, 330}, kControlFont, {}, {}, true},
    {C::Command11, "Command11", K::Button, C::Form1, "O programu", {7635, 9950, 1815, 330}, kControlFont, {}, {}, true},
    {C::Command12, "Command12", K::Button, C::Form1, "O avtorju", {9705, 9950, 1815, 330}, kControlFont, {}, {}, true},
    {C::Command13, "Command13", K::Button, C::Form1, " Potrkaj in vstopi", {13350, 9960, 1815, 330}, kControlFont, {}, {}, true},
    {C::Command6, "Command6", K::Button, C::Form1, "Namestitev programa", {1080, 225, 2000, 285}, kControlFont, {}, {}, true},
    {C::namesti, "namesti", K::Option, C::Form1, "\n", kNone, kControlFont, rgb(255, 255, 255), {}, false, 1, 2, kInstallTargets},
    {C::Check1, "Check1", K::CheckBox, C::Form1, "Tudi zvočni zapisi (200 MB prostora)", {1080, 1200, 4200, 285}, kControlFont, rgb(255, 255, 255), {}, false},
    {C::Frame6, "Frame6", K::Frame, C::Form1, "", {510, 3180, 10980, 5595}, kControlFont, {}, rgb(0, 255, 255), false},
    {C::Label8, "Label8", K::Label, C::Frame6, "", kNoticeLines[0], {"Times New Roman", 13.5, true}, rgb(0, 0, 128), {}, true},
    {C::Label11, "Label11", K::Label, C::Frame6, "", kNoticeLines[1], {"Times New Roman", 12, false}, rgb(0, 0, 128), {}, true},
    {C::Label12, "Label12", K::Label, C::Frame6, "", kNoticeLines[2], {"Times New Roman", 12, false}, rgb(0, 0, 128), {}, true},
    {C::Label13, "Label13", K::Label, C::Frame6, "", kNoticeLines[3], {"Times New Roman", 12, false}, rgb(0, 0, 128), {}, true},
    {C::Label14, "Label14", K::Label, C::Frame6, "", kNoticeLines[4], {"Times New Roman", 12, false}, rgb(0, 0, 128), {}, true},
    {C::Label15, "Label15", K::Label, C::Frame6, "", kNoticeLines[5], {"Times New Roman", 12, true}, rgb(128, 0, 64), {}, true},

    {C::Picture1, "Picture1", K::PictureStore, C::Form1, "Geometrija", {0, 0, 15360, 11520}, kInherit, {}, {}, false},
    {C::Picture2, "Picture2", K::PictureStore, C::Form1, "Pokrajina", {0, 0, 15360, 11520}, kInherit, {}, {}, false},
    {C::Picture3, "Picture3", K::PictureStore, C::Form1, "Vesolje", {0, 0, 15360, 11520}, kInherit, {}, {}, false},
    {C::Picture4, "Picture4", K::PictureStore, C::Form1, "Modrijan", {0, 0, 15360, 11520}, kInherit, {}, {}, false},
    {C::Timer1, "Timer1", K::Timer, C::Form1, "", {3000, 0, 0, 0}, kInherit, {}, {}, false},

    // Menus: "visible" is "enabled at start".
    {C::shran, "shran", K::Menu, C::Form1, "Shrani", kNone, kInherit, {}, {}, true},
    {C::veli, "veli", K::Menu, C::Form1, "Barva", kNone, kInherit, {}, {}, true},
    {C::vel, "vel", K::MenuItem, C::veli, "Začetnica\nBesedilo\nOzadje", kNone, kInherit, {}, {}, true, 1, 3},
    {C::graf, "graf", K::Menu, C::Form1, "Grafika", kNone, kInherit, {}, {}, true},
    {C::resol, "resol", K::Menu, C::graf, "Ločljivost", kNone, kInherit, {}, {}, true},
    {C::loc, "loc", K::MenuItem, C::resol, "800 X 600\n1024 x 768", kNone, kInherit, {}, {}, true, 0, 1},
    {C::slika, "slika", K::Menu, C::graf, "Ozadje", kNone, kInherit, {}, {}, true},
    {C::oza, "oza", K::MenuItem, C::slika, "brez ozadja\nGeometrija\nPokrajina\nVesolje\nModrijan", kNone, kInherit, {}, {}, true, 0, 4},
    {C::zvokec, "zvokec", K::Menu, C::Form1, "Zvok", kNone, kInherit, {}, {}, true},
    {C::Melodija, "Melodija", K::MenuItem, C::zvokec, "Melodija1\nMelodija2\nMelodija3\nni melodije", kNone, kInherit, {}, {}, true, 1, 4},
    {C::preberi, "preberi", K::MenuItem, C::zvokec, "Preberi pesem", kNone, kInherit, {}, {}, true},
    {C::zbir, "zbir", K::Menu, C::Form1, "Zbirka", kNone, kInherit, {}, {}, false},
    {C::natis, "natis", K::Menu, C::Form1, "Natisni", kNone, kInherit, {}, {}, true},
    {C::pomo, "pomo", K::Menu, C::Form1, "Pomoč", kNone, kInherit, {}, {}, true},
    {C::primer, "primer", K::Menu, C::Form1, "  ", kNone, kInherit, {}, {}, false},
    {C::prim, "prim", K::MenuItem, C::primer, "Primer A\nPrimer B\nPrimer C\nPrimer D", kNone, kInherit, {}, {}, true, 1, 4},
    {C::izu, "izu", K::Menu, C::Form1, "Izhod", kNone, kInherit, {}, {}, true},
};

constexpr bool tableFollowsTheEnum()
{
    if (std::size(kTable) != static_cast<std::size_t>(kControlCount))
        return false;
    for (std::size_t i = 0; i < std::size(kTable); ++i)
        if (static_cast<std::size_t>(kTable[i].id) != i)
            return false;
    return true;
}
static_assert(tableFollowsTheEnum(), "one row per control, in the order of the Control enum");

constexpr bool arraysAreWhole()
{
    for (const ControlSpec& spec : kTable) {
        const bool array = spec.firstIndex != kNoIndex;
        if (array && spec.lastIndex < spec.firstIndex)
            return false;
        if (!spec.elements.empty() && spec.elements.size() != static_cast<std::size_t>(spec.lastIndex - spec.firstIndex + 1))
            return false;
    }
    return true;
}
static_assert(arraysAreWhole(), "an array's element places cover its index range");

} // namespace

std::span<const ControlSpec> controlTable() { return kTable; }

const ControlSpec& controlSpec(Control control) { return kTable[static_cast<std::size_t>(control)]; }

bool isArray(Control control) { return controlSpec(control).firstIndex != kNoIndex; }

Rect designRect(Control control, int index)
{
    const ControlSpec& spec = controlSpec(control);
    if (spec.elements.empty() || index < spec.firstIndex || index > spec.lastIndex)
        return spec.design;
    return spec.elements[static_cast<std::size_t>(index - spec.firstIndex)];
}

std::optional<Control> controlByName(std::string_view name)
{
    for (const ControlSpec& spec : kTable)
        if (spec.name == name)
            return spec.id;
    return std::nullopt;
}

std::string elementCaption(Control control, int index)
{
    const ControlSpec& spec = controlSpec(control);
    if (spec.firstIndex == kNoIndex || spec.caption.find('\n') == std::string_view::npos)
        return std::string(spec.caption);
    std::string_view rest = spec.caption;
    for (int i = spec.firstIndex; i < index; ++i) {
        const std::size_t end = rest.find('\n');
        if (end == std::string_view::npos)
            return {};
        rest.remove_prefix(end + 1);
    }
    return std::string(rest.substr(0, rest.find('\n')));
}

std::string controlName(Control control, int index)
{
    std::string name(controlSpec(control).name);
    return index == kNoIndex ? name : name + "_" + std::to_string(index);
}

} // namespace zoravina
