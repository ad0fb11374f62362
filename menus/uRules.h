#pragma once
#include "app/lazyform.h"
#include <QDialog>

class QLabel;
class QPushButton;
namespace platform { class Image; }

// Kovra 2 - Játékszabályok: six illustrated pages, leafed through with a
// previous and a next button; every opening starts on the first page.
class TForm9 : public QDialog {
    Q_OBJECT
public:
    static constexpr int kPages = 6;

    explicit TForm9(QWidget* parent = nullptr);

    void Megjelenit(quint8 p);
    void FormShow();
    void Button1Click();
    void Button2Click();
    void Button3Click();

    quint8 page() const { return page_; }

    platform::Image* Image1;
    platform::Image* Image2;
    platform::Image* Image3;
    platform::Image* Image4;
    platform::Image* Image5;
    platform::Image* Image6;
    platform::Image* pageImage(int p) const; // Image1 for page 1 ...
    QLabel* Label1;
    QPushButton* Button1;
    QPushButton* Button2;
    QPushButton* Button3;

protected:
    void showEvent(QShowEvent* e) override;

private:
    quint8 page_ = 1;
};

extern LazyForm<TForm9> Form9;
