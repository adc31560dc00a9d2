// The main window's part of the icon column: the Show Next Icon button with its F12 key,
// and reloading the icon when the screen changes.
#include <QAction>
#include <QBoxLayout>
#include <QCheckBox>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QTextEdit>

#include "date_box.h"
#include "options_dialog.h"
#include "rz_panel.h"
#include "selvarion_main_form.h"
#include "ui_guards.h"

namespace {

constexpr int ShowNextIconHeight = 25;

} // namespace

void TSelvarionMainForm::CreateShowNextIcon()
{
    const QString hint = QStringLiteral("Display the next Icon image");
    ShowNextIcon = new QPushButton(QStringLiteral("Show Next Icon      F12"), BottomPanel);
    ShowNextIcon->setObjectName(QStringLiteral("ShowNextIcon"));
    ShowNextIcon->setToolTip(hint);
    ShowNextIcon->setStatusTip(hint);
    ShowNextIcon->setFocusPolicy(Qt::NoFocus);
    ShowNextIcon->setFixedHeight(ShowNextIconHeight);
    ShowNextIcon->hide();
    // The button fills the bottom panel, as wide as the column.
    auto* bottom = new QVBoxLayout(BottomPanel);
    bottom->setContentsMargins(0, 0, 0, 0);
    bottom->addWidget(ShowNextIcon);
    connect(ShowNextIcon, &QPushButton::clicked, this, &TSelvarionMainForm::ShowNextIconClick);

    // Not in any menu: it only gives the button its key.
    MShowNextIcon = new QAction(QStringLiteral("Show Ne&xt Icon"), this);
    MShowNextIcon->setObjectName(QStringLiteral("MShowNextIcon"));
    MShowNextIcon->setShortcut(Qt::Key_F12);
    MShowNextIcon->setEnabled(false);
    addAction(MShowNextIcon);
    connect(MShowNextIcon, &QAction::triggered, this, &TSelvarionMainForm::ShowNextIconClick);

    if (QScreen* screen = QGuiApplication::primaryScreen())
        connect(screen, &QScreen::geometryChanged, this, &TSelvarionMainForm::WMDisplayChange);
}

void TSelvarionMainForm::ShowNextIconClick()
{
    if (ContainerPanel->width() == 0)
        return;
    DateBox->ShowDayIcon(DateBox->FCurrentIconKey, true, true);
    MainRichEdit->setFocus();
}

void TSelvarionMainForm::WMDisplayChange()
{
    TUpdateLock lock(this);
    SetEditMargins();
    if (OptionsDialog && DateBox && OptionsDialog->ShowIcons->isChecked())
        DateBox->LoadDayIcon(static_cast<uint16_t>(DateBox->FCurrentIconKey), true);
}
