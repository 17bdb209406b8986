#pragma once

#include "app/clock.h"
#include "app/screens.h"
#include "receipts/tfrmricevute.h"
#include "support/recordingmodal.h"
#include "support/testfolder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <memory>

// The receipt editor of a fresh run of the program, opened on an archive
// through the receipts menu, over a temporary program folder.
struct EditorFixture
{
    std::unique_ptr<TestFolder> folder;
    std::unique_ptr<Screens> screens;
    RecordingModal *modal = nullptr;
    TfrmRicevute *editor = nullptr;

    void start()
    {
        Clock::setOverride(QDateTime(QDate(2024, 6, 15), QTime(10, 0)));
        folder = std::make_unique<TestFolder>();
        modal = RecordingModal::install();
        startRun();
    }
    // A new run of the program over the same folder.
    void startRun()
    {
        screens.reset();
        screens = std::make_unique<Screens>();
        editor = screens->work<TfrmRicevute>();
        screens->showWork(QStringLiteral("TfrmAvvio"));
    }
    void stop()
    {
        screens.reset();
        folder.reset();
        Clock::setOverride(QDateTime());
    }

    // Launcher → receipts menu → the archive of a year in the editor.
    void openYear(const QString &year)
    {
        QWidget *launcher = screens->work(QStringLiteral("TfrmAvvio"));
        QTest::mouseClick(launcher->findChild<QWidget *>(QStringLiteral("btnRicevute")), Qt::LeftButton);
        QWidget *menu = screens->work(QStringLiteral("TfrmMenuRicevute"));
        menu->findChild<QLineEdit *>(QStringLiteral("txtAnnoFatture"))->setText(year);
        QTest::mouseClick(menu->findChild<QWidget *>(QStringLiteral("btnApriFatture")), Qt::LeftButton);
    }

    QString archive(const QString &year = QStringLiteral("2024")) const { return folder->file(year + QStringLiteral(".ric")); }

    QLineEdit *edit(const QString &name) const { return editor->findChild<QLineEdit *>(name); }
    QComboBox *combo(const QString &name) const { return editor->findChild<QComboBox *>(name); }
    QLabel *label(const QString &name) const { return editor->findChild<QLabel *>(name); }
    QCheckBox *paid() const { return editor->findChild<QCheckBox *>(QStringLiteral("chkSaldata")); }
    QString text(const QString &name) const
    {
        if (auto *e = edit(name))
            return e->text();
        if (auto *c = combo(name))
            return c->currentText();
        if (auto *l = label(name))
            return l->text();
        return QStringLiteral("<missing %1>").arg(name);
    }
    void set(const QString &name, const QString &value) const
    {
        if (auto *e = edit(name))
            e->setText(value);
        else if (auto *c = combo(name))
            c->setEditText(value);
    }
    void click(const QString &name) const
    {
        QWidget *w = editor->findChild<QWidget *>(name);
        QVERIFY2(w, qPrintable(name));
        QTest::mouseClick(w, Qt::LeftButton);
    }
};
