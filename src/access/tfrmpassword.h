#pragma once

#include "app/screenbase.h"

class QLineEdit;
class QPushButton;

// The login screen, the main window: shown first, and closing it ends the
// program.
class TfrmPassword : public WorkScreen
{
    Q_OBJECT
public:
    explicit TfrmPassword(QWidget *parent = nullptr);

protected:
    void closeEvent(QCloseEvent *event) override;
    void prepare() override;

private:
    void login();

    QLineEdit *m_password;
    QPushButton *m_ok;
};
