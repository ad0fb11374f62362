#pragma once
// The level maker's window: a photo framed on the left, the level in the
// making on the right, the differences listed beside it.
#include "editor/draft.h"

#include <QImage>
#include <QMainWindow>
#include <cstdint>

class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QSpinBox;

namespace editor {

class CropView;
class Preview;

class EditorWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit EditorWindow(QWidget* parent = nullptr);

    // Each returns false after telling the player why.
    bool openPhoto(const QString& path);
    bool openPair(const QString& original, const QString& edited);
    void makeDifferencesClicked();
    void rerollClicked();
    void removeClicked();
    void addAt(QPoint spot);
    void addMasked(const QRect& square, const cv::Mat& mask);
    bool saveAsLevel();
    bool saveAs(const QString& path);
    void trialPlay();
    // "Saját pályák lejátszása": the game, in its own window, plays the own levels.
    bool playOwnLevels();
    // Levels an earlier version saved into the game's DATA/: offered to move
    // into the own levels (at the first showing, and from the menu). True
    // when there were some and they were moved.
    bool offerOldSaves();

    // Parts the tests drive and look at.
    CropView* cropView;
    Preview* preview;
    QListWidget* list;
    QSpinBox* countBox;
    QSpinBox* seedBox;
    QSpinBox* levelBox;
    QComboBox* kindBox;
    QCheckBox* paintBox;
    QCheckBox* ringsBox;
    QComboBox* maskKindBox;
    QPushButton* makeButton;
    QPushButton* rerollButton;
    QPushButton* removeButton;
    QPushButton* markerButton;
    QPushButton* saveButton;
    QPushButton* saveAsButton;
    QPushButton* trialButton;
    QPushButton* playOwnButton;
    QLabel* status;
    const Draft& draft() const { return draft_; }
    // Differences made or changed since the level was last saved.
    bool hasUnsavedDifferences() const;

protected:
    void dragEnterEvent(QDragEnterEvent* e) override;
    void dropEvent(QDropEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void saveAsAsked();
    void buildMenus();
    QWidget* buildSidePanel();
    void reframe();            // the level's pictures from the frame
    void refresh();            // list, preview, buttons
    void say(const QString& text, bool problem = false);
    void fitStatus();
    void pickMarker();
    bool confirmUpscale(const QRect& frame);
    bool confirmDiscard(); // true when nothing unsaved would be lost, or the player lets it go
    void markSaved();
    QByteArray recordOrComplain();
    std::uint64_t nextSeed();
    // The level number box offers the own levels and the next free number;
    // `fresh` (a new photo) moves it to that free number.
    void updateLevelRange(bool fresh);

    QImage edited_;            // the second picture of a pair, or null
    Draft draft_;
    bool pairMode_ = false;
    bool markerChosen_ = false;
    std::uint64_t rolls_ = 0;
    QStringList savedLines_;   // the differences as last saved
    QColor savedMarker_;
    bool oldSavesOffered_ = false;
};

} // namespace editor
