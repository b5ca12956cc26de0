// SPDX-License-Identifier: MIT
#pragma once

// SEG8: the main window. The user clicks the segments of a drawn 8-segment digit, picks common
// cathode or common anode, reads the segment byte in binary and as a C array element, collects
// elements into a C51 table declaration and copies codes and tables to the clipboard.

#include <QWidget>

#include <array>
#include <functional>
#include <optional>
#include <vector>

#include "gui/crlf_text_box.h"
#include "gui/picture_box.h"
#include "gui/window_background.h"
#include "segment_codes/project.h"
#include "segment_window/board.h"
#include "services/services.h"

class QAction;
class QCheckBox;
class QKeySequence;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;

namespace kelvarin {

class DigitView;

class SEG8 : public QWidget {
    Q_OBJECT
  public:
    explicit SEG8(const platform::Services& services, QWidget* parent = nullptr);

    // Design size of the client area: 9765 x 5655 twips.
    static constexpr int kDesignWidth = 651;
    static constexpr int kDesignHeight = 377;

    // Segment state k (0 = a ... 7 = dp): 0 dark, 1 lit.
    quint8 segState(int index) const { return SegState.at(static_cast<size_t>(index)); }
    // The kind of digit drawn: 7 segments (the Picture1 boxes), or 14 or 16 drawn as one digit
    // in their place; the segments lit, bit s for segment s in the kind's order.
    codes::DisplayKind kind() const { return m_board.wiring.kind(); }
    quint32 litSegments() const;
    // Another kind: its standard wiring, a format that holds its codes, a new declaration.
    void chooseKind(codes::DisplayKind wanted);
    qint32 codeCount() const { return CodeCount; }
    gui::BackingCanvas& canvas() { return m_background->canvas(); }
    gui::PictureBox& banner() { return *Picture2; }

    // Beyond the window's own controls, for real boards: how the board is wired and what is
    // written for it, the context menu and the two windows it opens.
    const BoardSettings& board() const { return m_board; }
    QMenu* contextMenu() const { return m_menu; }
    void openWiringWindow();
    void openTextCodesWindow();
    void openFramesWindow();
    void openImportWindow();
    // The language of the windows from the next start ("zh" or "en"), kept in the settings.
    void chooseLanguage(const QString& language);
    // The frames of the multi-digit display, as the frames window left them, and their name.
    QList<codes::DrawnFrame> frames() const { return m_frames; }
    QString framesName() const { return m_framesName; }
    void lightAll();
    void clearAll();
    // Takes back the last change to the declaration: codes added, or a declaration that a new
    // header replaced.
    void undoAdd();

    // Projects (seg8_project.cpp): the board, the polarity and the declaration in progress in a
    // project file. Each asks first about unsaved changes of the project open (Yes saves, No
    // drops them, Cancel keeps everything as it is); false when nothing was done. A project
    // that cannot be read, or saved, is said in a message box and changes nothing.
    void newProject();
    bool openProject(const QString& file, bool settle = true);
    bool saveProject();  // to its file, or to one chosen
    bool saveProjectAs(const QString& file);
    void closeProject();
    bool projectOpen() const { return m_project.open; }
    QString projectFile() const { return m_project.file; }
    bool projectModified() const;
    QStringList recentProjects() const;

    // What the window may do about a settings file that could not be read: its name, and a new
    // one begun in its place (the name the old one is kept under, or nothing with the reason).
    // The window says such a file once, when it is first shown, and offers to start afresh.
    struct SettingsRepair {
        QString file;
        std::function<std::optional<QString>(QString* error)> startAfresh;
    };
    void setSettingsRepair(SettingsRepair repair) { m_settingsRepair = std::move(repair); }

  protected:
    void changeEvent(QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    struct ButtonSpec {
        const char* name;
        const char* caption;  // to be translated
        int left, top, width, height;
        QPushButton* SEG8::*field;
        void (SEG8::*click)();
    };
    struct TextBoxSpec {
        const char* name;
        int left, top, width, height;
        double points;
        gui::CrLfTextBox* SEG8::*multiLine;
        QLineEdit* SEG8::*singleLine;
    };
    static const std::vector<ButtonSpec>& buttonSpecs();
    static const std::vector<TextBoxSpec>& textBoxSpecs();

    // The window's events and its controls' handlers (seg8.cpp, seg8_segments.cpp,
    // seg8_declaration.cpp).
    void Form_Initialize();
    void Form_Load();
    void Form_Resize();
    void Form_KeyPress(qint16 KeyAscii);
    void Picture1_Click(qint16 Index);
    void Option1_Click();
    void Option2_Click();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void Command7_Click();
    void Command8_Click();

    // The window (seg8.cpp).
    void buildControls();
    qint32 randomColour();
    void endProgram();
    void giveRestoredSize();
    void updateCaption();

    // The segments and the code they make (seg8_segments.cpp).
    void UpdateSegmentCode();
    static QString FormatHexByte(QString HexText, bool LowerCase);
    void showBoardCode();
    void toggleSegment(int index);
    void copyToClipboard(const QString& text);
    codes::Polarity polarity() const;
    quint8 pattern() const;
    void setPattern(quint32 wanted);
    void showKind();
    void buildKindMenu();
    void buildLanguageMenu();

    // The declaration and the standard tables (seg8_declaration.cpp).
    codes::Declaration declaration() const { return m_board.declaration(polarity()); }
    void appendCodes(const QList<codes::Code>& codes);
    void recordDeclaration();
    void offerStandardTable(const QString& table);
    void showStandardTables();

    // The board's features beyond the window's own controls (seg8_board.cpp).
    void buildReadBack();
    void readBack(QLineEdit* box);
    void markUnreadable(QLineEdit* box);
    void unmark(QLineEdit* box);
    bool marked(const QLineEdit* box) const;
    void buildMenu();
    // An action of a menu of the window, its shortcut working with the menu closed.
    QAction* addMenuAction(QMenu* menu, const QString& name, const QString& text,
                           const QKeySequence& keys, const std::function<void()>& run);
    void showMenu(const QPoint& at);
    void takeBoard(const BoardSettings& board, codes::Polarity chosen);
    void sayUnreadSettings();

    // Projects (seg8_project.cpp).
    codes::ProjectDraft projectDraft() const;
    std::optional<QString> projectText(QString* error) const;
    QString projectTitle() const;
    void projectChanged();
    bool settleProject();
    void warnProject(const QString& prompt);
    static QString projectProblem(const QString& why);
    void chooseProjectToOpen();
    bool chooseProjectToSave();
    QString recentFolder() const;
    void rememberRecent(const QString& file);
    void forgetRecent(const QString& file);
    void buildProjectMenu();
    void updateProjectActions();

    platform::Services m_services;
    gui::WindowBackground* m_background = nullptr;
    std::array<quint8, 8> SegState{};
    qint32 CodeCount = 0;
    bool m_ended = false;
    bool m_restoreSize = false;           // the design size is due once a restored window is back
    QSize m_largeSize;                    // the maximised size being left
    std::optional<QPoint> m_normalPlace;  // where the window was in its normal state
    BoardSettings m_board;
    QMenu* m_menu = nullptr;
    // The declaration's earlier states, one a user action, for undoing.
    codes::DeclarationHistory m_history;
    QAction* m_undo = nullptr;
    // The project open: its file (empty until saved), the text it was read from or last saved
    // as (what the window writes into), and the window's part of it then.
    struct ProjectState {
        bool open = false;
        QString file, original;
        codes::ProjectDraft saved;
    };
    ProjectState m_project;
    QList<codes::DrawnFrame> m_frames;
    QString m_framesName;
    SettingsRepair m_settingsRepair;
    bool m_settingsSaid = false;
    QLabel* m_boardSummary = nullptr;  // the board's wiring and format when not the standard
    QMenu* m_projectMenu = nullptr;
    QMenu* m_recentMenu = nullptr;
    QAction* m_saveProject = nullptr;
    QAction* m_closeProject = nullptr;

    std::array<gui::PictureBox*, 8> Picture1{};
    DigitView* m_wideDigit = nullptr;  // a 14- or 16-segment digit where Picture1 are
    quint32 m_widePattern = 0;
    std::array<QAction*, 3> m_kindActions{};
    QGroupBox* Frame1 = nullptr;
    QRadioButton* Option1 = nullptr;
    QRadioButton* Option2 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;
    QPushButton* Command4 = nullptr;
    QPushButton* Command5 = nullptr;
    QPushButton* Command6 = nullptr;
    QPushButton* Command7 = nullptr;
    QPushButton* Command8 = nullptr;
    gui::CrLfTextBox* Text5 = nullptr;
    QLineEdit* Text4 = nullptr;
    QLineEdit* Text1 = nullptr;
    QCheckBox* Check1 = nullptr;
    gui::PictureBox* Picture2 = nullptr;
    gui::CrLfTextBox* Text2 = nullptr;
    gui::CrLfTextBox* Text3 = nullptr;
};

}  // namespace kelvarin
