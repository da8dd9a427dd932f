#include "main_window.h"

#include "pictures.h"
#include "qt_platform.h"
#include "poem_canvas.h"
#include "widget_view.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFontDatabase>
#include <QIcon>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

namespace zoravina {

namespace {

constexpr int kDesignWidth = 1024;
constexpr int kDesignHeight = 768;

MouseButton buttonOf(const QMouseEvent* event)
{
    switch (event->button()) {
    case Qt::RightButton: return MouseButton::Right;
    case Qt::MiddleButton: return MouseButton::Middle;
    default: return MouseButton::Left;
    }
}

std::optional<OptionGroup> optionGroupOf(Control control)
{
    switch (control) {
    case Control::pesem: return OptionGroup::Kind;
    case Control::prednost: return OptionGroup::Selectivity;
    case Control::popravki: return OptionGroup::Correction;
    case Control::poravnava: return OptionGroup::Alignment;
    case Control::pisan: return OptionGroup::ColourMode;
    default: return std::nullopt;
    }
}

bool isCornerPicture(Control c)
{
    return c == Control::Picture9 || c == Control::Picture10 || c == Control::Picture11 || c == Control::Picture12;
}
bool isCornerItems(Control c)
{
    return c == Control::Label17 || c == Control::Label19 || c == Control::Label21 || c == Control::Label23;
}
bool isHoverSpot(Control c)
{
    return c == Control::Label18 || c == Control::Label20 || c == Control::Label22 || c == Control::Label24;
}
bool isLineArea(Control c) { return c == Control::Label1 || c == Control::Label2; }
bool isInfoButton(Control c)
{
    return c == Control::Command11 || c == Control::Command12 || c == Control::Command14 || c == Control::Command15 ||
           c == Control::Command16 || c == Control::Command6;
}

} // namespace

MainWindow::MainWindow(std::shared_ptr<const Corpus> corpus, Random random, Platform* platform, QWidget* parent)
    : QMainWindow(parent), engine_(std::move(corpus), std::move(random)), stage_(new QWidget(this)),
      canvas_(new PoemCanvas(stage_)), platform_(platform)
{
    if (!platform_) {
        desktop_ = std::make_unique<QtPlatform>(this);
        sound_ = std::make_unique<QtSound>([this] { run([&] { form_->playbackDone(); }); }, this);
        speech_ = std::make_unique<EspeakSpeech>();
        ownPlatform_ = std::make_unique<Platform>(Platform{*desktop_, *desktop_, *desktop_, *desktop_, *desktop_, *sound_,
                                                           *speech_, *desktop_});
        platform_ = ownPlatform_.get();
    }
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString::fromUtf8(controlSpec(Control::Form1).caption.data()));
    setWindowIcon(QIcon(QPixmap::fromImage(drawWindowIcon(64))));
    setCentralWidget(stage_);
    stage_->setObjectName(QStringLiteral("stage"));
    stage_->setStyleSheet(QStringLiteral("#stage { background-color: black; }"));
    stage_->setAttribute(Qt::WA_StyledBackground);
    stage_->installEventFilter(this);
    stage_->setMinimumSize(kDesignWidth / 2, kDesignHeight / 2);
    canvas_->setGeometry(0, 0, kDesignWidth, kDesignHeight);
    canvas_->setMouseTracking(true);
    canvas_->setFocusPolicy(Qt::StrongFocus);
    canvas_->setAccessibleName(QStringLiteral("Pesem"));
    canvas_->setAccessibleDescription(QStringLiteral("Puščici gor in dol izbereta vrstico, Enter jo spremeni."));
    canvas_->installEventFilter(this);

    surface_ = std::make_unique<QtSurface>();
    canvas_->setSurface(surface_.get());
    view_ = std::make_unique<WidgetView>(controls_, *canvas_, *menuBar(), *surface_);
    view_->designSizeChanged = [this](QSize design) {
        const bool followed = stage_->size() == designSize_;
        designSize_ = design;
        // A window that stood at the design size follows the layout; an enlarged one keeps its size.
        if (followed || !isVisible())
            resize(design.width(), design.height() + menuBar()->sizeHint().height());
        fitCanvas();
    };
    resize(kDesignWidth, kDesignHeight + menuBar()->sizeHint().height());
    form_ = std::make_unique<Form>(engine_, display_, *surface_, controls_, *platform_);
    connectControls();
    connectMenus();

    std::vector<std::string> fonts;
    for (const QString& family : QFontDatabase::families())
        fonts.push_back(family.toStdString());
    run([&] { form_->startUp(fonts); });
}

MainWindow::~MainWindow()
{
    controls_.setObserver(nullptr);
}

// Nothing a handler meets ends the program: the window stays, and whatever
// was drawn is shown.
template <class Handler>
void MainWindow::run(Handler&& handler)
{
    try {
        handler();
    } catch (...) {
    }
    describeLines();
    canvas_->update();
}

// A screen reader reads the poem's lines from their click areas, and the
// keyboard's current line is framed.
void MainWindow::describeLines()
{
    const PoemState& poem = engine_.poem;
    auto plain = [](const std::string& verse) {
        std::string out;
        for (char c : verse)
            if (c < '3' || c > '9')
                out.push_back(c);
        return QString::fromStdString(out);
    };
    for (Control areas : {Control::Label1, Control::Label2})
        for (int i = 1; i <= 46; ++i) {
            QWidget* w = view_->widget(areas, i);
            const int p = i > 23 ? i - 23 : i;
            const bool second = i > 23;
            QString text;
            if (poem.poemKind == PoemKind::Combination)
                text = plain(second ? poem.darkLines(p) : poem.brightLines(p));
            else if (!second)
                text = plain(poem.poemKind == PoemKind::Dark ? poem.darkLines(p) : poem.brightLines(p));
            w->setAccessibleName(QStringLiteral("Vrstica %1").arg(p));
            w->setAccessibleDescription(text);
            const bool current = i == keyLine_ && w->isVisible() && canvas_->hasFocus();
            w->setStyleSheet(current ? QStringLiteral("background-color: rgba(250, 212, 110, 40); border: 1px dotted rgb(250, 212, 110);")
                                     : QStringLiteral("background-color: transparent;"));
        }
}

// Arrow keys choose a line, Enter changes it as a click would.
bool MainWindow::lineKey(QKeyEvent* key)
{
    if (!form_->poemShowing())
        return false;
    const bool combination = engine_.poem.poemKind == PoemKind::Combination;
    int line = keyLine_ < 1 ? 1 : keyLine_;
    switch (key->key()) {
    case Qt::Key_Up: line = line == 1 || line == 24 ? line : line - 1; break;
    case Qt::Key_Down: line = line == 23 || line == 46 ? line : line + 1; break;
    case Qt::Key_Left: line = line > 23 ? line - 23 : line; break;
    case Qt::Key_Right: line = combination && line <= 23 ? line + 23 : line; break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (keyLine_ >= 1)
            run([&] { form_->lineClicked(keyLine_); });
        return true;
    default: return false;
    }
    keyLine_ = line;
    describeLines();
    return true;
}

void MainWindow::fitCanvas()
{
    if (!view_)
        return;
    const QSize room = stage_->size();
    const double zoom = std::max(0.25, std::min(double(room.width()) / designSize_.width(), double(room.height()) / designSize_.height()));
    const QSize size(qRound(designSize_.width() * zoom), qRound(designSize_.height() * zoom));
    canvas_->setGeometry((room.width() - size.width()) / 2, (room.height() - size.height()) / 2, size.width(), size.height());
    if (zoom != canvas_->zoom() || view_->zoom() * kTwipsPerPixel != zoom) {
        canvas_->setZoom(zoom);
        view_->setZoom(zoom / kTwipsPerPixel);
    }
}

QPointF MainWindow::twips(QPointF pixels) const
{
    return pixels / view_->zoom();
}

void MainWindow::watch(QWidget* widget)
{
    if (!widget)
        return;
    widget->setMouseTracking(true);
    widget->installEventFilter(this);
}

void MainWindow::connectControls()
{
    auto button = [&](Control c) { return qobject_cast<QAbstractButton*>(view_->widget(c)); };
    auto onClick = [&](Control c, auto handler) {
        connect(button(c), &QAbstractButton::clicked, this, [this, handler] { run([&] { (form_.get()->*handler)(); }); });
    };
    onClick(Control::Command2, &Form::newPoem);
    onClick(Control::Command1, &Form::composeWithSettings);
    onClick(Control::Command4, &Form::oldPoem);
    onClick(Control::Command3, &Form::showSettingsScreen);
    onClick(Control::Command13, &Form::enterFromStartScreen);
    onClick(Control::Command6, &Form::installProgram);
    for (Control info : {Control::Command11, Control::Command12, Control::Command14, Control::Command15, Control::Command16}) {
        connect(button(info), &QAbstractButton::clicked, this, [this, info] { run([&] { form_->showInfoPage(info); }); });
        watch(view_->widget(info));
    }
    watch(view_->widget(Control::Command6));

    for (const ControlSpec& spec : controlTable()) {
        const auto group = optionGroupOf(spec.id);
        if (!group)
            continue;
        for (int i = spec.firstIndex; i <= spec.lastIndex; ++i)
            connect(qobject_cast<QRadioButton*>(view_->widget(spec.id, i)), &QRadioButton::clicked, this,
                    [this, g = *group, i] { run([&] { form_->optionClicked(g, i); }); });
    }
    auto* fonts = qobject_cast<QComboBox*>(view_->widget(Control::Combo3));
    connect(fonts, &QComboBox::activated, this,
            [this, fonts](int row) { run([&] { form_->fontChosen(fonts->itemText(row).toStdString()); }); });

    auto* verses = qobject_cast<QListWidget*>(view_->widget(Control::combo1));
    connect(verses, &QListWidget::itemDoubleClicked, this, [this] { run([&] { form_->verseListDoubleClicked(); }); });
    verses->installEventFilter(this);

    auto* own = qobject_cast<QComboBox*>(view_->widget(Control::Combo2));
    connect(own, &QComboBox::activated, this, [this](int row) {
        run([&] {
            controls_.noteCurrentItem(Control::Combo2, row);
            form_->ownVerseClicked();
        });
    });

    connect(view_->timer(), &QTimer::timeout, this, [this] { run([&] { form_->timerTick(); }); });

    connect(button(Control::Command5), &QAbstractButton::clicked, this, [this] { run([&] { form_->openOwnVerses(); }); });
    own->lineEdit()->installEventFilter(this);
    auto* collection = qobject_cast<QListWidget*>(view_->widget(Control::List1));
    connect(collection, &QListWidget::itemClicked, this, [this, collection](QListWidgetItem* item) {
        run([&] { form_->chooseCollectionEntry(collection->row(item)); });
    });

    for (const ControlSpec& spec : controlTable()) {
        const Control c = spec.id;
        if (!(isLineArea(c) || isCornerPicture(c) || isCornerItems(c) || isHoverSpot(c) || c == Control::Label5 ||
              c == Control::Label6 || c == Control::Label25 || c == Control::Picture13 || c == Control::Image2 ||
              c == Control::Picture8))
            continue;
        if (spec.firstIndex == kNoIndex)
            watch(view_->widget(c));
        else
            for (int i = spec.firstIndex; i <= spec.lastIndex; ++i)
                watch(view_->widget(c, i));
    }
}

void MainWindow::connectMenus()
{
    auto onMenu = [&](Control menu, int index, auto handler) {
        if (QAction* a = view_->action(menu, index))
            connect(a, &QAction::triggered, this, [this, handler] { run([&] { handler(*form_); }); });
    };
    onMenu(Control::shran, kNoIndex, [](Form& f) { f.savePoem(); });
    onMenu(Control::zbir, kNoIndex, [](Form& f) { f.openCollectionMenu(); });
    onMenu(Control::pomo, kNoIndex, [](Form& f) { f.showStartScreen(); });
    onMenu(Control::natis, kNoIndex, [](Form& f) { f.printPoem(); });
    for (int i = 1; i <= 4; ++i)
        onMenu(Control::Melodija, i, [i](Form& f) { f.chooseMelody(i); });
    onMenu(Control::preberi, kNoIndex, [](Form& f) { f.readPoemAloud(); });
    for (int i = 1; i <= 3; ++i)
        onMenu(Control::vel, i, [i](Form& f) { f.chooseColour(i); });
    for (int i = 1; i <= 4; ++i)
        onMenu(Control::prim, i, [i](Form& f) { f.showExample(i); });
    for (int i = 0; i <= 1; ++i)
        onMenu(Control::loc, i, [i](Form& f) { f.chooseLayout(i); });
    for (int i = 0; i <= 4; ++i)
        onMenu(Control::oza, i, [i](Form& f) { f.chooseBackground(i); });
    connect(view_->action(Control::izu), &QAction::triggered, qApp, &QApplication::quit);

    // F10 opens the menu bar, as on most desktops.
    auto* menus = new QAction(this);
    menus->setShortcut(Qt::Key_F10);
    addAction(menus);
    connect(menus, &QAction::triggered, this, [this] {
        const auto actions = menuBar()->actions();
        if (!actions.isEmpty()) {
            menuBar()->setFocus(Qt::ShortcutFocusReason);
            menuBar()->setActiveAction(actions.front());
        }
    });

    auto* paste = new QAction(this);
    paste->setShortcut(QKeySequence::Paste);
    paste->setShortcutContext(Qt::WindowShortcut);
    addAction(paste);
    connect(paste, &QAction::triggered, this, [this] {
        if (form_->poemShowing())
            run([&] { form_->pastePoemCode(); });
    });
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (!view_ || !form_)
        return QMainWindow::eventFilter(watched, event);
    if (watched == stage_) {
        if (event->type() == QEvent::Resize)
            fitCanvas();
        return false;
    }
    auto* own = qobject_cast<QComboBox*>(view_->widget(Control::Combo2));
    if (own && watched == own->lineEdit() && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            controls_.noteText(Control::Combo2, own->currentText().toStdString());
            run([&] { form_->storeOwnVerse(); });
            return true;
        }
        return false;
    }
    const QEvent::Type type = event->type();
    if (watched == canvas_) {
        if (type == QEvent::KeyPress)
            return lineKey(static_cast<QKeyEvent*>(event));
        if (type == QEvent::FocusIn || type == QEvent::FocusOut)
            describeLines();
        if (type == QEvent::MouseButtonPress) {
            auto* mouse = static_cast<QMouseEvent*>(event);
            const QPointF at = twips(mouse->position());
            run([&] { form_->mousePress(at.x(), at.y(), buttonOf(mouse)); });
        } else if (type == QEvent::MouseMove) {
            const QPointF at = twips(static_cast<QMouseEvent*>(event)->position());
            run([&] { form_->mouseMove(at.x(), at.y()); });
        }
        return false;
    }
    const auto control = view_->controlOf(watched);
    if (!control)
        return QMainWindow::eventFilter(watched, event);
    const Control c = control->first;
    const int index = control->second;

    if (c == Control::combo1 && type == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        // Typed characters close the list; arrows, Tab and the like move in it as in any list.
        if (!enter && (key->text().isEmpty() || !key->text().at(0).isPrint()))
            return false;
        const int code = enter ? 13 : key->text().at(0).unicode();
        run([&] { form_->verseListKey(code); });
        return true;
    }

    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease && type != QEvent::MouseMove))
        return QMainWindow::eventFilter(watched, event);
    auto* mouse = static_cast<QMouseEvent*>(event);
    const QPointF onCanvas = twips(widget->mapTo(canvas_, mouse->position().toPoint()));
    const bool release = type == QEvent::MouseButtonRelease && widget->rect().contains(mouse->position().toPoint());

    if (type == QEvent::MouseMove) {
        if (isHoverSpot(c))
            run([&] { form_->hoverSpotMove(c); });
        else if (isCornerPicture(c))
            run([&] { form_->cornerPictureMove(c); });
        else if (isCornerItems(c))
            run([&] { form_->cornerPictureMove(controlSpec(c).parent); });
        else if (c == Control::Picture8)
            run([&] { form_->settingsBackgroundMove(); });
        else if (isLineArea(c) || c == Control::Label5 || c == Control::Label6)
            run([&] { form_->mouseMove(onCanvas.x(), onCanvas.y()); });
        else if (isInfoButton(c))
            run([&] { form_->infoButtonHover(c); });
        return false;
    }
    if (type == QEvent::MouseButtonPress) {
        if (c == Control::Image2) {
            run([&] { form_->quickSettingsPress(index, buttonOf(mouse)); });
            return true;
        }
        if (isLineArea(c) || c == Control::Label5 || c == Control::Label6)
            run([&] { form_->mousePress(onCanvas.x(), onCanvas.y(), buttonOf(mouse)); });
        return isLineArea(c) || isCornerItems(c) || c == Control::Label25;
    }
    if (!release || mouse->button() != Qt::LeftButton)
        return false;
    if (isLineArea(c))
        run([&] { form_->lineClicked(index); });
    else if (c == Control::Label5 || c == Control::Label6)
        run([&] { form_->titleClick(); });
    else if (c == Control::Label25)
        run([&] { form_->chooseColourModeAndCompose(index); });
    else if (c == Control::Picture13)
        run([&] { form_->centrePictureClicked(); });
    else if (isCornerItems(c))
        run([&] { form_->cornerItemClick(c, index); });
    else
        return false;
    return true;
}

} // namespace zoravina
