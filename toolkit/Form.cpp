#include "toolkit/Form.h"
#include "ClientArea.h"
#include "toolkit/HiddenOwner.h"
#include "toolkit/Timer.h"
#include "toolkit/Twips.h"

#include <QApplication>
#include <QBackingStore>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QIcon>
#include <QLayout>
#include <QMenuBar>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <algorithm>

namespace tk {

Form::Form(FormDesign design, QWidget *parent)
    : QMainWindow(parent)
    , m_design(std::move(design))
{
    setObjectName(m_design.name);
    setAttribute(Qt::WA_DeleteOnClose, false);
}

Form::~Form()
{
    if (m_loaded)
        --loadedForms;
}

void Form::prepare()
{
    if (m_loaded || m_unloading || testAttribute(Qt::WA_WState_Created))
        return;
    build();
    // A font engine is made once for each face, size and weight, and keeps
    // the glyphs it has measured and drawn: the window's texts, which change
    // with every game, then cost only their layout.
    QList<QFont> fonts;
    for (const QWidget *w : findChildren<QWidget *>()) {
        if (!fonts.contains(w->font())) {
            fonts.append(w->font());
            drawOnce(w->font());
        }
    }
    makeSurface();
}

void Form::drawOnce(const QFont &font)
{
    QString printable;
    for (char16_t c = u' '; c <= u'~'; ++c)
        printable.append(QChar(c));
    const QFontMetrics metrics(font);
    QPixmap canvas(metrics.horizontalAdvance(printable) + 2, metrics.height());
    QPainter painter(&canvas);
    painter.setFont(font);
    // Glyphs are kept for each quarter-pixel they may start at.
    for (const qreal quarter : {0.0, 0.25, 0.5, 0.75})
        painter.drawText(QPointF(quarter, metrics.ascent()), printable);
}

void Form::makeSurface()
{
    // The window's surface, made and written once now: its first paint then
    // draws into memory it already has.
    adjustSize();
    create();
    if (QBackingStore *store = backingStore()) {
        store->resize(size());
        store->beginPaint(QRegion(rect()));
        if (QPaintDevice *device = store->paintDevice())
            QPainter(device).fillRect(rect(), palette().window());
        store->endPaint();
    }
}

void Form::build()
{
    if (m_built || m_unloading)
        return;
    m_built = true;
    applyWindowDesign();
    buildMenus();
    buildControls();
    bindControls();
}

void Form::load()
{
    if (m_loaded || m_unloading)
        return;
    build();
    m_loaded = true;
    ++loadedForms;
    runHandler([this] { Form_Load(); });
}

void Form::applyWindowDesign()
{
    setWindowTitle(m_design.caption);
    if (!m_design.iconResource.isEmpty())
        setWindowIcon(QIcon(m_design.iconResource));
    m_client = new ClientArea(m_design.backColor, m_design.picture, this);
    setCentralWidget(m_client);

    Qt::WindowFlags flags = Qt::Window;
    if (m_design.border == BorderStyle::None)
        flags |= Qt::FramelessWindowHint;
    else
        flags |= Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint
            | Qt::MSWindowsFixedSizeDialogHint;
#ifdef Q_OS_WIN
    setWindowFlags(flags | Qt::CustomizeWindowHint);
    // Qt::Tool keeps a window off the taskbar through WS_EX_TOOLWINDOW, which
    // a fade that replaces the extended style clears; an owner stays.
    if (!m_design.showInTaskbar)
        giveHiddenOwner(*this);
#else
    if (!m_design.showInTaskbar)
        flags |= Qt::Tool;
    setWindowFlags(flags | Qt::CustomizeWindowHint);
#endif
}

void Form::buildMenus()
{
    for (const MenuDesign &menuDesign : m_design.menus) {
        QMenu *menu = menuBar()->addMenu(menuDesign.caption);
        menu->setObjectName(menuDesign.name);
        for (const MenuItemDesign &item : menuDesign.items) {
            QAction *action = menu->addAction(item.caption);
            action->setObjectName(item.name);
            action->setShortcut(item.shortcut);
        }
    }
}

QWidget *Form::containerOf(const ControlDesign &design) const
{
    if (design.container.isEmpty())
        return m_client;
    auto *frame = qobject_cast<QWidget *>(m_controls.value(design.container).data());
    return frame ? frame : m_client.data();
}

void Form::buildControls()
{
    // Every designed control takes its designed place in the tab order, the
    // control arrays' templates among them, so the elements made later from
    // a template are numbered among the window's controls as designed.
    std::vector<std::pair<int, QWidget *>> tabbed;
    for (const ControlDesign &d : m_design.controls) {
        QObject *control = createControl(d, containerOf(d));
        m_controls.insert(d.name, control);
        if (auto *w = qobject_cast<QWidget *>(control); w && d.tabIndex >= 0)
            tabbed.emplace_back(d.tabIndex, w);
    }
    std::stable_sort(tabbed.begin(), tabbed.end(),
                     [](const auto &a, const auto &b) { return a.first < b.first; });
    for (const auto &entry : tabbed)
        TabOrder::place(entry.second);
    // The client size is the design's; the menu bar comes on top of it.
    m_client->setFixedSize(toPixels(m_design.clientWidth), toPixels(m_design.clientHeight));
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

const ControlDesign &Form::arrayTemplate(const QString &name) const
{
    const auto it = std::find_if(m_design.controls.begin(), m_design.controls.end(),
                                 [&](const ControlDesign &d) { return d.arrayTemplate && d.name == name; });
    if (it == m_design.controls.end() || !m_controls.value(name))
        tk::raise(ObjectNotSet, QStringLiteral("No control array '%1'").arg(name));
    return *it;
}

void Form::onMenuClick(const QString &name, std::function<void()> handler)
{
    auto *item = findChild<QAction *>(name);
    if (!item)
        tk::raise(ObjectNotSet, QStringLiteral("No menu item '%1'").arg(name));
    connect(item, &QAction::triggered, this, [handler = std::move(handler)] { runHandler(handler); });
}

bool Form::hasPainted() const
{
    return m_client && m_client->painted();
}

void Form::Show()
{
    load();
    if (!m_loaded)
        return;
    adjustSize();
    centre();
    show();
}

void Form::centre()
{
    QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
}

void Form::unload()
{
    if (!m_loaded || m_unloading)
        return;
    m_unloading = true;
    for (Timer *timer : findChildren<Timer *>())
        timer->setEnabled(false);
    m_loaded = false;
    --loadedForms;
    hide();
    deleteLater();
    // The program ends once the running handler is done and no window is loaded.
    QMetaObject::invokeMethod(qApp, [] {
        if (loadedForms == 0)
            QCoreApplication::quit();
    }, Qt::QueuedConnection);
}

void Form::closeEvent(QCloseEvent *event)
{
    event->accept();
    unload();
}

} // namespace tk
