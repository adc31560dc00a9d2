#pragma once
// The donation window: how to contribute, with a button that opens the donation page.
#include <QDialog>
#include <QSize>
#include <QUrl>

class QLabel;
class QPushButton;

// The web page that takes donations.
inline const QUrl DonationPageUrl(QStringLiteral("https://selvarion.example.org/donate.html"));

class TDonationQuery : public QDialog {
    Q_OBJECT
public:
    // Laid out for `screen` (the primary screen's size by default).
    explicit TDonationQuery(QWidget* parent = nullptr, QSize screen = {});

    QLabel* ProgramIcon;
    QLabel* TitleLabel1;
    QLabel* TitleLabel2;
    QLabel* TextLabel1;
    QLabel* TextLabel2;
    QLabel* TextLabel4;
    QPushButton* DonateButton;
    QLabel* TextLabel3;
    QLabel* AddressLabel1;
    QLabel* AddressLabel2;
    QLabel* AddressLabel3;
    QPushButton* CloseButton;

    // Opens the donation page in the browser and closes the window.
    void DonateButtonClick();
};
