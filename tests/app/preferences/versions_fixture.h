#pragma once
// The windows on the Bible Readings page of December 25, 2024 (new calendar), with helpers
// that install Bible versions through the Preferences dialog's pages, the file dialog and
// the message boxes answered by the test.
#include <gtest/gtest.h>

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTextEdit>

#include "app_windows.h"
#include "dialog_hook.h"
#include "installed_versions.h"
#include "version_roles.h"

// The tab-separated exports of the build tree.
inline QString ExportFile(const char* name)
{
    return QStringLiteral(BIBLE_TSV_DIR "/") + QLatin1String(name);
}

class VersionsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        env.SetOption(QStringLiteral("OldCalendar"), false);
        env.SetOption(QStringLiteral("TroparionKontakion"), false);
        env.SetOption(QStringLiteral("DailyBibleReadings"), true);
        Create();
    }
    void TearDown() override
    {
        TDialogHook<QFileDialog>::Set(nullptr);
    }
    // Creates the windows (again) and shows the fixed day.
    void Create()
    {
        env.Destroy();
        env.Create();
        env.ShowDate(QDate(2024, 12, 25));
    }

    TOptionsDialog& Options() { return *env.options; }
    TBibleSearchDlg& Reader() { return *env.bible; }
    QString Page() const { return env.main->MainRichEdit->toPlainText(); }
    QTabWidget& Pages() { return *env.options->PageControl; }

    // A file of the source folder (outside the data folder) with `content`.
    QString SourceFile(const QString& name, const QByteArray& content)
    {
        const QString path = source.path() + QLatin1Char('/') + name;
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        return path;
    }
    // An export of the build tree, copied into the source folder as `name`.
    QString SourceCopy(const char* exportName, const QString& name)
    {
        const QString path = source.path() + QLatin1Char('/') + name;
        QFile::remove(path);
        EXPECT_TRUE(QFile::copy(ExportFile(exportName), path));
        return path;
    }

    // Answers the coming message boxes in order (OK once they run out), ticking "Don't ask
    // me this again" where asked to; every box's text is recorded in env.messages.
    void Answer(std::initializer_list<QMessageBox::StandardButton> buttons, bool tick = false)
    {
        env.answers.assign(buttons.begin(), buttons.end());
        SetMessageBoxHook([this, tick](QMessageBox& box) {
            env.messages << box.text();
            if (box.checkBox())
                box.checkBox()->setChecked(tick);
            if (env.answers.empty())
                return QMessageBox::Ok;
            const auto answer = env.answers.front();
            env.answers.pop_front();
            return answer;
        });
    }
    QString LastMessage() const { return env.messages.value(env.messages.size() - 1); }

    // The install page with `path` chosen in its file dialog and scanned.
    void ChooseAndScan(const QString& path)
    {
        Options().InstallButtonClick();
        TDialogHook<QFileDialog>::Set([path](QFileDialog& dialog) {
            dialog.selectFile(path);
            return true;
        });
        Options().FileBrowseButtonClick();
        Options().ScanButtonClick();
    }
    // Installs `path` as `name`; false when the install page did not take it.
    bool Install(const QString& path, const QString& name)
    {
        const int before = int(Options().FInstalledVersions.size());
        ChooseAndScan(path);
        Options().NameEdit->setText(name);
        Options().InstallOKButton->click();
        return Options().FInstalledVersions.size() == before + 1;
    }
    // Picks slot `slot` of the Bible Files page for `role` and applies it.
    bool Choose(size_t role, int slot)
    {
        Options().ChangeVersionsButtonClick();
        Options().VersionRadioButtons[role]->click();
        Options().FileRadioButtons[size_t(slot)]->click();
        Options().UninstallEditOKButton->click();
        Options().ChangeVersionsOKButton->click();
        return Options().ApplyButtonClick();
    }
    TRegIniFile Records() const { return TRegIniFile(InstalledFilesKey); }

    TAppWindows env;
    QTemporaryDir source;
};
