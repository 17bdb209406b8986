#pragma once

#include <QDialog>
#include <QWidget>

class QLabel;

// A work screen: created once, shown and hidden as the user moves around.
// Closing it (window button or exit command) hides it and shows the screen
// that closeTarget() names; every showing prepares the screen again.
class WorkScreen : public QWidget
{
    Q_OBJECT
public:
    explicit WorkScreen(const QString &name, QWidget *parent = nullptr);

protected:
    // The screen to show when this one closes; empty for none.
    virtual QString closeTarget() const;
    // Runs before closing; false keeps the screen open.
    virtual bool aboutToClose() { return true; }
    // Runs each time the screen is shown.
    virtual void prepare() {}

    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
};

// A dialog: created per use, shown modally, destroyed on closing. Its hidden
// lblMemory holds the caller token the caller wrote into it.
class DialogScreen : public QDialog
{
    Q_OBJECT
public:
    explicit DialogScreen(const QString &name, QWidget *parent = nullptr);

    QString callerToken() const;
    QLabel *memoryLabel() const { return m_memory; }

private:
    QLabel *m_memory;
};

// A screen of the registry not built yet: its caption and a close command.
class PlaceholderWorkScreen : public WorkScreen
{
    Q_OBJECT
public:
    explicit PlaceholderWorkScreen(const QString &name, QWidget *parent = nullptr);
};

class PlaceholderDialog : public DialogScreen
{
    Q_OBJECT
public:
    explicit PlaceholderDialog(const QString &name, QWidget *parent = nullptr);
};
