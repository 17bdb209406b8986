#pragma once

#include "app/screenbase.h"

#include <QImage>

class QLabel;

// The choice of the issuer's logo printed on receipts: a picture file, no
// logo (a blank picture) or the default logo; applying saves the picture
// shown as Logo.bmp. Any failure to load or save falls back to the default
// logo without a message.
class TfrmLogo : public DialogScreen
{
    Q_OBJECT
public:
    explicit TfrmLogo(QWidget *parent = nullptr);

    // The picture being edited, at its own size.
    QImage picture() const { return m_picture; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    void setPicture(const QImage &picture);
    void browse();
    void apply();

    QLabel *m_logo;
    QImage m_picture;
};
