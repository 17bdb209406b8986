#pragma once

#include "app/screenbase.h"

class LinkLabel;

// The information dialog of the launcher: the product picture and a link
// that starts a mail to the maker's support address.
class TfrmInfo : public DialogScreen
{
    Q_OBJECT
public:
    explicit TfrmInfo(QWidget *parent = nullptr);

    // The prepared subject and first line of the mail.
    static QString mailSubject();
    static QString mailBody();

private:
    LinkLabel *m_link;
};

// The presentation dialog of the launcher: the product picture and a link
// to the maker's web site.
class TfrmSplash : public DialogScreen
{
    Q_OBJECT
public:
    explicit TfrmSplash(QWidget *parent = nullptr);

private:
    LinkLabel *m_link;
};
