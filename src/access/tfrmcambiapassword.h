#pragma once

#include "app/screenbase.h"

class QLineEdit;
class QPushButton;

// The password change: the old password, the new one and its confirmation.
// Closing it, by "Chiudi" or after a successful change, returns to the
// login screen with an empty password field.
class TfrmCambiaPassword : public WorkScreen
{
    Q_OBJECT
public:
    explicit TfrmCambiaPassword(QWidget *parent = nullptr);

protected:
    QString closeTarget() const override;
    bool aboutToClose() override;
    void prepare() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void updateOk();
    void changePassword();

    QLineEdit *m_old;
    QLineEdit *m_new;
    QLineEdit *m_confirm;
    QPushButton *m_ok;
};
