#include "widget_view.h"

#include "display_settings.h"
#include "markup.h"
#include "pictures.h"
#include "poem_canvas.h"
#include "qt_surface.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace zoravina {

namespace {

QString text(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }
QString text(const std::string& s) { return QString::fromStdString(s); }

QString css(Colour c) { return QStringLiteral("rgb(%1, %2, %3)").arg(redOf(c)).arg(greenOf(c)).arg(blueOf(c)); }

bool hasChildren(Control menu)
{
    for (const ControlSpec& spec : controlTable())
        if (spec.parent == menu && spec.id != menu)
            return true;
    return false;
}

std::vector<int> indexesOf(const ControlSpec& spec)
{
    if (spec.firstIndex == kNoIndex)
        return {kNoIndex};
    std::vector<int> out;
    for (int i = spec.firstIndex; i <= spec.lastIndex; ++i)
        out.push_back(i);
    return out;
}

// What a screen reader says of the controls that carry no caption.
struct Description {
    Control control;
    int index;
    const char* name;
    const char* description;
};
const Description kDescriptions[] = {
    {Control::Picture7, kNoIndex, "Zoravina", "Začetna slika"},
    {Control::Picture8, kNoIndex, "Nastavitve", "Ozadje nastavitev; v kotih so meniji"},
    {Control::Picture13, kNoIndex, "Sonce", "Klik sestavi pesem; leva polovica večbarvno, desna dvobarvno"},
    {Control::Label25, 0, "Večbarvna pesem", "Sestavi pesem v mnogih barvah"},
    {Control::Label25, 1, "Dvobarvna pesem", "Sestavi pesem v dveh barvah"},
    {Control::Label18, kNoIndex, "Meni poravnave", "Odpre kotni meni poravnave"},
    {Control::Label22, kNoIndex, "Meni pesmi", "Odpre kotni meni vrste pesmi"},
    {Control::Label24, kNoIndex, "Meni popravkov", "Odpre kotni meni popravkov"},
    {Control::Label20, kNoIndex, "Meni prednosti", "Odpre kotni meni prednosti"},
    {Control::Picture6, kNoIndex, "Hitre nastavitve", "Levi klik poravna pesem, desni spremeni nastavitev"},
    {Control::Image2, 1, "Levo", "Levi klik: poravnava levo; desni klik: večbarvno ali dvobarvno"},
    {Control::Image2, 3, "Sredina", "Levi klik: poravnava na sredino; desni klik: prednost"},
    {Control::Image2, 2, "Desno", "Levi klik: poravnava desno; desni klik: ročni ali samodejni popravki"},
    {Control::combo1, kNoIndex, "Verzi, ki se prilegajo", "Dvojni klik ali Enter postavi izbrani verz v pesem"},
    {Control::Combo2, kNoIndex, "Vaš verz", "Vpišite svoj verz in pritisnite Enter"},
    {Control::List1, kNoIndex, "Zbirka", "Klik odpre pesem iz zbirke"},
    {Control::Combo3, kNoIndex, "Pisava", "Pisava pesmi"},
    {Control::Text16, kNoIndex, "Pesem za tisk", "Pesem v preprosti obliki"},
    {Control::Frame6, kNoIndex, "Obvestilo", "Pozdrav in napotek"},
};

} // namespace

WidgetView::WidgetView(FormControls& model, PoemCanvas& canvas, QMenuBar& menuBar, QtSurface& surface)
    : model_(model), canvas_(canvas), menuBar_(menuBar), surface_(surface)
{
    for (const ControlSpec& spec : controlTable()) {
        if (spec.kind == ControlKind::Menu || spec.kind == ControlKind::MenuItem) {
            buildMenu(spec);
            continue;
        }
        for (int index : indexesOf(spec))
            build(spec, index);
    }
    for (const Description& d : kDescriptions)
        if (QWidget* w = widget(d.control, d.index)) {
            w->setAccessibleName(QString::fromUtf8(d.name));
            w->setAccessibleDescription(QString::fromUtf8(d.description));
        }
    // A corner item stands for the option word of its setting.
    const std::pair<Control, Control> items[] = {{Control::Label17, Control::poravnava}, {Control::Label19, Control::prednost},
                                                 {Control::Label21, Control::pesem}, {Control::Label23, Control::popravki}};
    for (const auto& [item, options] : items) {
        const ControlSpec& spec = controlSpec(item);
        for (int i = spec.firstIndex; i <= spec.lastIndex; ++i)
            if (QWidget* w = widget(item, i))
                w->setAccessibleName(text(elementCaption(options, i)).trimmed());
    }
    syncAll();
    model_.setObserver(this);
}

QWidget* WidgetView::parentWidget(const ControlSpec& spec) const
{
    if (spec.parent == Control::Form1)
        return &canvas_;
    return widget(spec.parent);
}

void WidgetView::build(const ControlSpec& spec, int index)
{
    QWidget* parent = parentWidget(spec);
    QWidget* w = nullptr;
    switch (spec.kind) {
    case ControlKind::Window: return;
    case ControlKind::PictureStore: return;
    case ControlKind::Timer:
        timer_ = new QTimer(&canvas_);
        timer_->setObjectName(text(spec.name));
        timer_->setInterval(spec.design.left);
        byObject_.insert(timer_, {spec.id, index});
        return;
    case ControlKind::Label:
    case ControlKind::Picture: {
        auto* label = new QLabel(parent);
        if (spec.kind == ControlKind::Picture)
            label->setScaledContents(true);
        w = label;
        break;
    }
    case ControlKind::Button: w = new QPushButton(parent); break;
    case ControlKind::Frame:
        if (spec.caption.empty()) {
            auto* frame = new QFrame(parent);
            frame->setAutoFillBackground(true);
            w = frame;
        } else {
            w = new QGroupBox(parent);
        }
        break;
    case ControlKind::Option: w = new QRadioButton(parent); break;
    case ControlKind::CheckBox: w = new QCheckBox(parent); break;
    case ControlKind::TextBox:
        if (spec.id == Control::Text16) {
            auto* edit = new QTextEdit(parent);
            edit->setReadOnly(true);
            w = edit;
        } else {
            w = new QLineEdit(parent);
        }
        break;
    case ControlKind::ListBox: {
        auto* list = new QListWidget(parent);
        list->setSelectionMode(spec.id == Control::combo1 ? QAbstractItemView::ExtendedSelection
                                                          : QAbstractItemView::SingleSelection);
        w = list;
        break;
    }
    case ControlKind::ComboBox: {
        auto* combo = new QComboBox(parent);
        combo->setEditable(spec.id == Control::Combo2);
        combo->setInsertPolicy(QComboBox::NoInsert);
        w = combo;
        break;
    }
    case ControlKind::Menu:
    case ControlKind::MenuItem: return;
    }
    w->setObjectName(text(controlName(spec.id, index)));
    if (!spec.font.family.empty()) {
        QFont font(text(spec.font.family));
        font.setPointSizeF(spec.font.points);
        font.setBold(spec.font.bold);
        w->setFont(font);
    }
    // The size the font has at the design size; zooming scales it.
    w->setProperty("designPoints", w->font().pointSizeF());
    widgets_[{spec.id, index}] = w;
    byObject_.insert(w, {spec.id, index});
    if (auto* list = qobject_cast<QListWidget*>(w)) {
        byObject_.insert(list->viewport(), {spec.id, index});
        QObject::connect(list, &QListWidget::itemSelectionChanged, list, [this, list, id = spec.id] {
            if (syncing_)
                return;
            std::vector<bool> selected;
            for (int row = 0; row < list->count(); ++row)
                selected.push_back(list->item(row)->isSelected());
            model_.noteItemSelection(id, std::move(selected));
            model_.noteCurrentItem(id, list->currentRow());
        });
    }
    if (auto* toggle = qobject_cast<QAbstractButton*>(w); toggle && toggle->isCheckable())
        QObject::connect(toggle, &QAbstractButton::toggled, toggle, [this, id = spec.id, index](bool on) {
            if (!syncing_)
                model_.noteSelected(id, index, on);
        });
    if (auto* combo = qobject_cast<QComboBox*>(w)) {
        QObject::connect(combo, &QComboBox::currentIndexChanged, combo, [this, combo, id = spec.id](int row) {
            if (syncing_)
                return;
            model_.noteCurrentItem(id, row);
            model_.noteText(id, combo->currentText().toStdString());
        });
        if (combo->isEditable())
            QObject::connect(combo, &QComboBox::editTextChanged, combo, [this, id = spec.id](const QString& typed) {
                if (!syncing_)
                    model_.noteText(id, typed.toStdString());
            });
    }
    if (auto* edit = qobject_cast<QLineEdit*>(w))
        QObject::connect(edit, &QLineEdit::textEdited, edit, [this, id = spec.id](const QString& typed) {
            model_.noteText(id, typed.toStdString());
        });
}

void WidgetView::buildMenu(const ControlSpec& spec)
{
    const bool topLevel = spec.parent == Control::Form1;
    QMenu* parentMenu = topLevel ? nullptr : menus_.at(spec.parent);
    for (int index : indexesOf(spec)) {
        QAction* a = nullptr;
        if (spec.kind == ControlKind::Menu && hasChildren(spec.id)) {
            QMenu* menu = topLevel ? menuBar_.addMenu(text(spec.caption)) : parentMenu->addMenu(text(spec.caption));
            menu->setObjectName(text(spec.name));
            menus_[spec.id] = menu;
            a = menu->menuAction();
        } else {
            const QString caption = text(elementCaption(spec.id, index));
            a = topLevel ? menuBar_.addAction(caption) : parentMenu->addAction(caption);
        }
        a->setObjectName(text(controlName(spec.id, index)));
        actions_[{spec.id, index}] = a;
        byObject_.insert(a, {spec.id, index});
    }
}

QWidget* WidgetView::widget(Control control, int index) const
{
    const auto it = widgets_.find({control, index});
    return it == widgets_.end() ? nullptr : it->second;
}

QAction* WidgetView::action(Control control, int index) const
{
    const auto it = actions_.find({control, index});
    return it == actions_.end() ? nullptr : it->second;
}

std::optional<std::pair<Control, int>> WidgetView::controlOf(const QObject* object) const
{
    const auto it = byObject_.find(object);
    if (it == byObject_.end())
        return std::nullopt;
    return *it;
}

void WidgetView::setZoom(double pixelsPerTwip)
{
    zoom_ = pixelsPerTwip;
    for (const auto& [key, w] : widgets_)
        applyFont(key.first, key.second);
    syncAll();
}

void WidgetView::applyFont(Control control, int index)
{
    QWidget* w = widget(control, index);
    if (!w)
        return;
    const double model = model_.state(control, index).fontSize;
    const double points = model > 0 ? model : w->property("designPoints").toDouble();
    if (points <= 0)
        return;
    QFont font = w->font();
    font.setPointSizeF(points * zoom_ * kTwipsPerPixel);
    w->setFont(font);
}

void WidgetView::syncAll()
{
    for (const ControlSpec& spec : controlTable())
        for (int index : indexesOf(spec))
            for (Property p : {Property::Caption, Property::Geometry, Property::BackColour, Property::Items, Property::Selected,
                               Property::Text, Property::Enabled, Property::Visible})
                changed(spec.id, index, p);
}

void WidgetView::applyGeometry(Control control, int index)
{
    if (control == Control::Form1) {
        const Rect r = model_.state(control).rect;
        const QSize design(r.width / kTwipsPerPixel, r.height / kTwipsPerPixel);
        if (design != designSize_) {
            designSize_ = design;
            if (designSizeChanged)
                designSizeChanged(design);
        }
        return;
    }
    QWidget* w = widget(control, index);
    if (!w)
        return;
    const Rect r = model_.state(control, index).rect;
    auto px = [&](int twips) { return static_cast<int>(std::lround(twips * zoom_)); };
    QRect g(px(r.left), px(r.top), std::max(1, px(r.width)), std::max(1, px(r.height)));
    // The layout was drawn for the Windows fonts; a wider stand-in font must
    // not clip a caption, so the control grows around its design place.
    const ControlKind kind = controlSpec(control).kind;
    const QSize hint = w->sizeHint();
    const bool captioned = !model_.state(control, index).caption.empty();
    if (captioned && (kind == ControlKind::Button || kind == ControlKind::Option || kind == ControlKind::CheckBox ||
                      kind == ControlKind::Label)) {
        if (hint.width() > g.width()) {
            const int grow = hint.width() - g.width();
            g.setWidth(hint.width());
            if (kind == ControlKind::Button)
                g.moveLeft(std::max(0, g.left() - grow / 2));
        }
        if (hint.height() > g.height()) {
            const int grow = hint.height() - g.height();
            g.setHeight(hint.height());
            if (kind == ControlKind::Button)
                g.moveTop(std::max(0, g.top() - grow / 2));
        }
        if (QWidget* parent = w->parentWidget(); parent && g.right() > parent->width() && parent->width() > g.width())
            g.moveLeft(parent->width() - g.width());
    }
    w->setGeometry(g);
    if (kind == ControlKind::Picture || kind == ControlKind::Label) {
        if (auto* label = qobject_cast<QLabel*>(w); label && label->text().isEmpty()) {
            const QImage picture = drawControlPicture(control, index, g.size() * w->devicePixelRatioF());
            if (!picture.isNull()) {
                QPixmap pixmap = QPixmap::fromImage(picture);
                pixmap.setDevicePixelRatio(w->devicePixelRatioF());
                label->setPixmap(pixmap);
                label->setScaledContents(true);
            }
        }
    }
}

void WidgetView::applyCaption(Control control, int index)
{
    const std::string& caption = model_.state(control, index).caption;
    if (QAction* a = action(control, index)) {
        a->setText(text(caption));
        return;
    }
    QWidget* w = widget(control, index);
    if (auto* label = qobject_cast<QLabel*>(w); label && controlSpec(control).kind == ControlKind::Label)
        label->setText(text(caption));
    else if (auto* button = qobject_cast<QAbstractButton*>(w))
        button->setText(text(caption));
    else if (auto* box = qobject_cast<QGroupBox*>(w))
        box->setTitle(text(caption));
    applyGeometry(control, index);
}

void WidgetView::applyItems(Control control)
{
    const ControlState& s = model_.state(control);
    QWidget* w = widget(control);
    if (auto* list = qobject_cast<QListWidget*>(w)) {
        list->clear();
        // The reader chooses among verses, not markup: the list shows them without their colour codes.
        const bool verses = control == Control::combo1;
        for (const std::string& item : s.items)
            list->addItem(verses ? text(withoutVerseCodes(item)) : text(item));
        for (int row = 0; row < list->count(); ++row)
            list->item(row)->setSelected(s.itemSelected[static_cast<std::size_t>(row)]);
    } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
        const QString typed = combo->currentText();
        combo->clear();
        for (const std::string& item : s.items)
            combo->addItem(text(item));
        if (combo->isEditable())
            combo->setEditText(text(s.text));
        else if (!typed.isEmpty())
            combo->setCurrentIndex(combo->findText(typed));
    }
}

void WidgetView::applyStyle(Control control, int index)
{
    QWidget* w = widget(control, index);
    if (!w)
        return;
    const ControlState& s = model_.state(control, index);
    const ControlKind kind = controlSpec(control).kind;
    QString style;
    if (s.fore)
        style += QStringLiteral("color: %1;").arg(css(*s.fore));
    const bool opaque = s.back && !s.transparent;
    if (opaque)
        style += QStringLiteral("background-color: %1;").arg(css(*s.back));
    else if (kind == ControlKind::Label || kind == ControlKind::Picture)
        style += QStringLiteral("background-color: transparent;");
    if (kind == ControlKind::Frame && !controlSpec(control).caption.empty())
        style = QStringLiteral("QGroupBox { color: rgb(255, 255, 255); font-weight: bold; border: 1px solid rgb(170, 180, 230);"
                               " border-radius: 4px; margin-top: 1.2em; background-color: rgba(10, 12, 60, 200); }"
                               " QGroupBox::title { subcontrol-origin: margin; left: 8px; padding: 0 3px; }"
                               " QRadioButton { color: rgb(235, 238, 255); }"
                               " QRadioButton::indicator { width: 10px; height: 10px; border-radius: 6px;"
                               " border: 2px solid rgb(190, 198, 255); background: rgb(12, 14, 52); }"
                               " QRadioButton::indicator:checked { background: rgb(250, 212, 110); border-color: rgb(255, 240, 190); }");
    w->setStyleSheet(style);
}

void WidgetView::changed(Control control, int index, Property property)
{
    syncing_ = true;
    const ControlState& s = model_.state(control, index);
    QWidget* w = widget(control, index);
    QAction* a = action(control, index);
    switch (property) {
    case Property::Visible:
        if (w)
            w->setVisible(s.visible);
        else if (a)
            a->setVisible(s.visible);
        break;
    case Property::Enabled:
        if (control == Control::Timer1 && timer_)
            s.enabled ? timer_->start() : timer_->stop();
        else if (a)
            a->setEnabled(s.enabled);
        else if (w)
            w->setEnabled(s.enabled);
        break;
    case Property::Caption: applyCaption(control, index); break;
    case Property::Geometry: applyGeometry(control, index); break;
    case Property::Selected:
        if (auto* button = qobject_cast<QAbstractButton*>(w); button && button->isCheckable()) {
            if (s.selected || qobject_cast<QCheckBox*>(button))
                button->setChecked(s.selected);
        }
        break;
    case Property::Transparent:
    case Property::BackColour:
    case Property::ForeColour:
        if (control == Control::Form1 && s.back)
            canvas_.setBackColour(QColor(redOf(*s.back), greenOf(*s.back), blueOf(*s.back)));
        applyStyle(control, index);
        break;
    case Property::FontSize:
        applyFont(control, index);
        applyGeometry(control, index);
        break;
    case Property::Items:
        if (!isArray(control))
            applyItems(control);
        break;
    case Property::ItemSelection:
        if (auto* list = qobject_cast<QListWidget*>(w))
            for (int row = 0; row < list->count(); ++row)
                list->item(row)->setSelected(s.itemSelected[static_cast<std::size_t>(row)]);
        break;
    case Property::CurrentItem:
        if (auto* list = qobject_cast<QListWidget*>(w))
            list->setCurrentRow(s.currentItem, QItemSelectionModel::NoUpdate);
        else if (auto* combo = qobject_cast<QComboBox*>(w))
            combo->setCurrentIndex(s.currentItem);
        break;
    case Property::Text:
        if (auto* edit = qobject_cast<QTextEdit*>(w))
            edit->setPlainText(text(s.text));
        else if (auto* line = qobject_cast<QLineEdit*>(w))
            line->setText(text(s.text));
        else if (auto* combo = qobject_cast<QComboBox*>(w); combo && combo->isEditable())
            combo->setEditText(text(s.text));
        break;
    case Property::Popup:
        if (const auto it = menus_.find(control); it != menus_.end()) {
            const QPoint at(static_cast<int>(model_.popupX() * zoom_), static_cast<int>(model_.popupY() * zoom_));
            it->second->popup(canvas_.mapToGlobal(at));
        }
        break;
    case Property::Background:
        canvas_.setBackground(model_.background() >= 1 && model_.background() <= 4 ? static_cast<Background>(model_.background())
                                                                                   : Background::None);
        break;
    case Property::PersistentDrawing: break;
    case Property::DrawingFont: surface_.setFamily(text(model_.drawingFont())); break;
    }
    syncing_ = false;
}

} // namespace zoravina
