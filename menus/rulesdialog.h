#pragma once
#include <QDialog>

class QLabel;
class QPushButton;
namespace platform { class Image; }

// Kovra 2 - Játékszabályok: six illustrated pages, leafed through with a
// previous and a next button; every opening starts on the first page.
class RulesDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kPages = 6;

    explicit RulesDialog(QWidget* parent = nullptr);

    void showPage(quint8 p);
    void startAtFirstPage();
    void previousClicked();
    void nextClicked();
    void backClicked();

    quint8 page() const { return page_; }

    platform::Image* page1;
    platform::Image* page2;
    platform::Image* page3;
    platform::Image* page4;
    platform::Image* page5;
    platform::Image* page6;
    platform::Image* pageImage(int p) const; // page1 for page 1 ...
    QLabel* pageNumber;
    QPushButton* previousButton;
    QPushButton* nextButton;
    QPushButton* backButton;

protected:
    void showEvent(QShowEvent* e) override;

private:
    quint8 page_ = 1;
};
