#pragma once

#include "app/screenbase.h"

class FocusFrame;
class QLabel;
class QLineEdit;
class QPushButton;

// The login screen, the main window: shown first, and closing it ends the
// program. The password typed is compared with the one of the Password
// file, whatever its letter case and blanks at the ends; a correct password
// shows the launcher. "Cambia Password" leads to the password change.
class TfrmPassword : public WorkScreen
{
    Q_OBJECT
public:
    explicit TfrmPassword(QWidget *parent = nullptr);

    // Empties the password field and puts the focus in it.
    void resetPassword();

protected:
    void closeEvent(QCloseEvent *event) override;
    void prepare() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void updateOk();
    void login();

    QLineEdit *m_password;
    FocusFrame *m_frame;
    QPushButton *m_ok;
    QLabel *m_memory;
};
