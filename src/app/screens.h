#pragma once

#include <QHash>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>

class QDialog;

// The screens of one run and the passing of control between them.
//
// The work screens are created once, in the registry's order, when the set
// is made, and live until it is destroyed; a dialog is created each time its
// command is given, shown modally over its caller and destroyed on closing.
// Passing control is always: show the target, then hide the source.
class Screens
{
public:
    using Factory = std::function<QWidget *(QWidget *parent)>;

    Screens();
    ~Screens();
    Screens(const Screens &) = delete;
    Screens &operator=(const Screens &) = delete;

    // The set of the running program.
    static Screens &instance();
    static bool exists();

    // Shows the main window, the login screen.
    void start();

    // A work screen by name, and by class.
    QWidget *work(const QString &name) const;
    template<class T> T *work() const { return qobject_cast<T *>(work(QString::fromLatin1(T::staticMetaObject.className()))); }

    // Shows a work screen (maximised for the application screens), then hides
    // the source if one is given.
    void showWork(const QString &target, QWidget *source = nullptr);

    // Creates a dialog over its caller and writes the caller token into its
    // hidden lblMemory. The caller shows it with runDialog().
    QDialog *createDialog(const QString &name, QWidget *caller, const QString &token = QString());
    // Shows a dialog modally through the modal seam and destroys it after.
    static void runDialog(QDialog *dialog);
    // Both steps at once.
    void openDialog(const QString &name, QWidget *caller, const QString &token = QString());

    // Ends the program: every window is hidden and the event loop left.
    void endProgram();
    bool ended() const { return m_ended; }

    // Replaces how a screen is made. The program registers its screens in
    // registerScreenFactories(); a screen without a factory is an empty
    // window with its caption.
    static void setFactory(const QString &name, Factory factory);

private:
    QWidget *make(const QString &name, QWidget *parent) const;

    QHash<QString, QWidget *> m_work;
    QList<QWidget *> m_order;
    bool m_ended = false;
};

// Registers the factory of every screen the program has built.
void registerScreenFactories();
