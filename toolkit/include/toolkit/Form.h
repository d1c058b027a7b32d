#pragma once
// A window made from its design. Loading creates the designed controls and
// menu and runs the window's load procedure; unloading destroys the window,
// stops its timers, and ends the program when no other window is loaded.
#include "toolkit/ControlArray.h"
#include "toolkit/Design.h"
#include "toolkit/RuntimeError.h"

#include <QAction>
#include <QFont>
#include <QList>
#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <memory>

namespace tk {

class ClientArea;

class Form : public QMainWindow {
    Q_OBJECT
public:
    explicit Form(FormDesign design, QWidget *parent = nullptr);
    ~Form() override;

    // Makes the designed menus and controls without loading the window, once;
    // a later load then only runs Form_Load.
    void build();
    // Creates the designed controls if need be and runs Form_Load, once.
    void load();
    bool isLoaded() const { return m_loaded; }
    // Loads the window if need be, then shows it modeless and centred.
    void Show();
    // Destroys the window; the program ends once no window is loaded.
    void unload();

    // The designed control `name` of type T; raises ObjectNotSet when there is none.
    template <class T>
    T &control(const QString &name) const
    {
        auto *found = qobject_cast<T *>(m_controls.value(name).data());
        if (!found)
            tk::raise(ObjectNotSet, QStringLiteral("No control '%1'").arg(name));
        return *found;
    }

    // The control array whose template, made with the window, is named `name`.
    template <class T>
    std::unique_ptr<ControlArray<T>> makeArray(const QString &name) const
    {
        const ControlDesign &design = arrayTemplate(name);
        return std::make_unique<ControlArray<T>>(design, containerOf(design), qobject_cast<T *>(m_controls.value(name).data()));
    }

    // Runs `handler` as the click procedure of menu item `name`; raises ObjectNotSet when there is none.
    void onMenuClick(const QString &name, std::function<void()> handler);

    // Whether the window's content has been painted once.
    bool hasPainted() const;

    // Windows loaded now.
    static int loadedCount() { return loadedForms; }

    // Builds the window ahead, unseen and not loaded, once, with what its
    // first paint needs: its controls and menus, every font they are set in
    // drawn once in all printable ASCII, and its surface. Loading and showing
    // the window then find it all ready.
    void prepare();

protected:
    // Looks up the controls the window's code uses; runs before the load procedure.
    virtual void bindControls() {}
    // The window's load procedure.
    virtual void Form_Load() {}
    void closeEvent(QCloseEvent *event) override;

private:
    const ControlDesign &arrayTemplate(const QString &name) const;
    QWidget *containerOf(const ControlDesign &design) const;
    void buildMenus();
    void buildControls();
    void applyWindowDesign();
    void drawOnce(const QFont &font);
    void makeSurface();
    void centre();

    FormDesign m_design;
    QPointer<ClientArea> m_client;
    QHash<QString, QPointer<QObject>> m_controls;
    bool m_built = false;
    bool m_loaded = false;
    bool m_unloading = false;
    static inline int loadedForms = 0;
};

} // namespace tk
