#pragma once

#include "access/guidetopics.h"
#include "app/screenbase.h"

class LinkLabel;
class QLabel;
class QPlainTextEdit;

// The guide screen: one topic, its title and its text, passed by the screen
// that opens it, and the link that opens the whole manual Guida.pdf of the
// program folder.
class TfrmGuida : public DialogScreen
{
    Q_OBJECT
public:
    explicit TfrmGuida(QWidget *parent = nullptr);

    // Creates the guide over its caller, shows the topic modally and
    // destroys the screen when it closes.
    static void open(QWidget *caller, const GuideTopic &topic);

    void setTopic(const GuideTopic &topic);

    // The manual beside the program.
    static QString manualPath();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void openManual();

    QLabel *m_title;
    QPlainTextEdit *m_text;
    LinkLabel *m_link;
};
