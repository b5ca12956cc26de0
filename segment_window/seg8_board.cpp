// SPDX-License-Identifier: MIT
// The main window's features for real boards, beyond its own controls: codes typed back into
// the code boxes, the context menu, and the wiring and text-to-codes windows.

#include <QAction>
#include <QActionGroup>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QTimer>
#include <QToolTip>

#include "gui/control_font.h"
#include "segment_codes/code_reader.h"
#include "segment_codes/format_description.h"
#include "segment_window/digit_view.h"
#include "segment_window/frames_window.h"
#include "segment_window/import_window.h"
#include "segment_window/language.h"
#include "segment_window/seg8.h"
#include "segment_window/text_codes_window.h"
#include "segment_window/wiring_window.h"

namespace kelvarin {

// --- Codes typed back into the boxes ---

void SEG8::buildReadBack() {
    for (QLineEdit* box : {Text1, Text4}) {
        connect(box, &QLineEdit::returnPressed, this, [this, box] { readBack(box); });
        // Typing again takes the mark away until the next Enter.
        connect(box, &QLineEdit::textEdited, this, [this, box] { unmark(box); });
    }
}

void SEG8::readBack(QLineEdit* box) {
    // Text1 holds an element of the board's format, Text4 the code in binary (or any form).
    const std::optional<codes::Code> code =
        box == Text1
            ? declaration().readElement(box->text())
            : codes::readCode(box->text(), nullptr, codes::entryBits(m_board.wiring.bits()));
    if (!code) {
        markUnreadable(box);
        return;
    }
    setPattern(codes::patternOf(*code, m_board.wiring, polarity()));
}

void SEG8::markUnreadable(QLineEdit* box) {
    // The text stays as typed, marked, with the reason at hand; no message box.
    box->setProperty("unreadable", true);
    box->setStyleSheet(QStringLiteral("QLineEdit { border: 2px solid #d00000; }"));
    // The core's reason is for the command line; the window says it in its own words, at once.
    const QString why = tr("无法识别为段码：“%1”").arg(box->text());
    box->setToolTip(why);
    if (box->isVisible()) QToolTip::showText(box->mapToGlobal(QPoint(0, box->height())), why, box);
}

void SEG8::unmark(QLineEdit* box) {
    if (!marked(box)) return;
    box->setProperty("unreadable", false);
    box->setStyleSheet(QString());
    box->setToolTip(QString());
}

bool SEG8::marked(const QLineEdit* box) const {
    return box->property("unreadable").toBool();
}

// --- The context menu ---

QAction* SEG8::addMenuAction(QMenu* menu, const QString& name, const QString& text,
                             const QKeySequence& keys, const std::function<void()>& run) {
    auto* action = new QAction(text, this);
    action->setObjectName(name);
    if (!keys.isEmpty()) {
        action->setShortcut(keys);
        action->setShortcutContext(Qt::WindowShortcut);
        addAction(action);  // the shortcut works with the menu closed
    }
    connect(action, &QAction::triggered, this, run);
    menu->addAction(action);
    return action;
}

void SEG8::buildMenu() {
    m_menu = new QMenu(this);
    m_menu->setObjectName(QStringLiteral("contextMenu"));
    auto add = [this](const QString& name, const QString& text, const QKeySequence& keys,
                      void (SEG8::*slot)()) {
        return addMenuAction(m_menu, name, text, keys, [this, slot] { (this->*slot)(); });
    };
    add(QStringLiteral("openWiring"), tr("接线与输出…"), QKeySequence(Qt::CTRL | Qt::Key_Comma),
        &SEG8::openWiringWindow);
    add(QStringLiteral("openTextCodes"), tr("文字转段码…"), QKeySequence(Qt::CTRL | Qt::Key_T),
        &SEG8::openTextCodesWindow);
    add(QStringLiteral("openFrames"), tr("多位数码管与帧…"), QKeySequence(Qt::CTRL | Qt::Key_M),
        &SEG8::openFramesWindow);
    add(QStringLiteral("openImport"), tr("导入段码表…"), QKeySequence(Qt::CTRL | Qt::Key_I),
        &SEG8::openImportWindow);
    m_menu->addSeparator();
    add(QStringLiteral("lightAll"), tr("全部点亮"), QKeySequence(), &SEG8::lightAll);
    add(QStringLiteral("clearAll"), tr("全部熄灭"), QKeySequence(), &SEG8::clearAll);
    m_menu->addSeparator();
    // Ctrl+Z in a text box is the box's own undo: the boxes take it before the window does.
    m_undo = add(QStringLiteral("undoAdd"), tr("撤销添加"), QKeySequence(Qt::CTRL | Qt::Key_Z),
                 &SEG8::undoAdd);
    m_undo->setEnabled(m_history.canUndo());
    m_menu->addSeparator();
    buildKindMenu();
    buildProjectMenu();
    buildLanguageMenu();
    // The keyboard's ways to the menu: the Menu key and Shift+F10.
    auto* keyboard = new QAction(this);
    keyboard->setShortcuts({QKeySequence(Qt::Key_Menu), QKeySequence(Qt::SHIFT | Qt::Key_F10)});
    keyboard->setShortcutContext(Qt::WindowShortcut);
    connect(keyboard, &QAction::triggered, this, [this] {
        QWidget* at = focusWidget() != nullptr ? focusWidget() : this;
        showMenu(at->mapToGlobal(at->rect().center()));
    });
    addAction(keyboard);
    setContextMenuPolicy(Qt::DefaultContextMenu);
    for (gui::PictureBox* box : Picture1)
        box->setToolTip(tr("单击点亮或熄灭这一段；右键（或 Shift+F10）打开菜单"));
}

void SEG8::contextMenuEvent(QContextMenuEvent* event) {
    showMenu(event->globalPos());
    event->accept();
}

void SEG8::showMenu(const QPoint& at) {
    m_menu->popup(at);
}

void SEG8::lightAll() {
    setPattern(codes::allSegments(kind()));
}

void SEG8::clearAll() {
    setPattern(0x00);
}

// --- The two windows for real boards ---

void SEG8::openWiringWindow() {
    WiringWindow window(m_board, polarity(), litSegments(), m_services.preferences, this);
    if (window.exec() != QDialog::Accepted) return;
    takeBoard(window.board(), window.polarity());
}

void SEG8::takeBoard(const BoardSettings& board, codes::Polarity chosen) {
    const bool changed = !(board == m_board);
    const bool otherKind = board.wiring.kind() != kind();
    m_board = board;
    m_board.save(m_services.preferences);
    if (otherKind) showKind();
    updateCaption();
    showStandardTables();
    if (chosen != polarity()) {
        // As the option buttons do: the code follows, a new declaration begins.
        (chosen == codes::Polarity::CommonCathode ? Option1 : Option2)->setChecked(true);
    } else if (changed) {
        UpdateSegmentCode();
        Command4_Click();
    }
}

// --- A settings file that could not be read ---

void SEG8::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // Once, after the window is on the screen.
    if (m_settingsSaid || m_services.preferences == nullptr ||
        m_services.preferences->problem().isEmpty())
        return;
    m_settingsSaid = true;
    QTimer::singleShot(0, this, [this] { sayUnreadSettings(); });
}

void SEG8::sayUnreadSettings() {
    using Boxes = platform::MessageBoxes;
    if (m_services.messageBoxes == nullptr) return;
    Boxes& boxes = *m_services.messageBoxes;
    const QString file = m_settingsRepair.file.isEmpty() ? tr("设置文件") : m_settingsRepair.file;
    const QString said = tr("无法读取设置文件“%1”，窗口中的更改不会被保存。").arg(file);
    if (!m_settingsRepair.startAfresh) {
        boxes.show(this, said, Boxes::Buttons::Ok, Boxes::Icon::Warning, tr("设置"),
                   Boxes::Text::Prose);
        return;
    }
    const Boxes::Answer answer =
        boxes.show(this,
                   said + QStringLiteral("\r\n\r\n") +
                       tr("选择[是]重新开始：原文件改名保留在旁边，改用新的设置文件。选择[否]"
                          "本次不保存设置。"),
                   Boxes::Buttons::YesNo, Boxes::Icon::Warning, tr("设置"), Boxes::Text::Prose);
    if (answer != Boxes::Answer::Yes) return;
    QString why;
    const std::optional<QString> kept = m_settingsRepair.startAfresh(&why);
    if (!kept) {
        boxes.show(this, tr("无法重新开始：%1").arg(why), Boxes::Buttons::Ok, Boxes::Icon::Warning,
                   tr("设置"), Boxes::Text::Prose);
        return;
    }
    // What the window holds now is the new file's first content.
    m_board.save(m_services.preferences);
    boxes.show(this, tr("已改用新的设置文件。原文件保留为“%1”。").arg(*kept), Boxes::Buttons::Ok,
               Boxes::Icon::Information, tr("设置"), Boxes::Text::Prose);
}

// --- The language ---

void SEG8::buildLanguageMenu() {
    // Named in both languages in Chinese, so that it is found by one who reads no Chinese.
    QMenu* menu = m_menu->addMenu(tr("语言 / Language"));
    menu->setObjectName(QStringLiteral("languageMenu"));
    auto* group = new QActionGroup(this);
    const QString now = chosenLanguage(m_services.preferences);
    for (const auto& [language, name] :
         {std::pair(QStringLiteral("zh"), tr("中文")),
          std::pair(QStringLiteral("en"), QStringLiteral("English"))}) {
        QAction* action = menu->addAction(name);
        action->setObjectName(QStringLiteral("language_") + language);
        action->setCheckable(true);
        action->setChecked(language == now);
        group->addAction(action);
        connect(action, &QAction::triggered, this,
                [this, language = language] { chooseLanguage(language); });
    }
}

void SEG8::chooseLanguage(const QString& language) {
    if (m_services.preferences == nullptr || language == chosenLanguage(m_services.preferences))
        return;
    m_services.preferences->setValue(languageKey(), language);
    // Said in the language chosen: the windows speak it from the next start.
    using Boxes = platform::MessageBoxes;
    if (m_services.messageBoxes == nullptr) return;
    const bool english = language == u"en";
    m_services.messageBoxes->show(
        this,
        english ? QStringLiteral("Kelvarin speaks English from its next start.")
                : QStringLiteral("下次启动时，Kelvarin 使用中文。"),
        Boxes::Buttons::Ok, Boxes::Icon::Information,
        english ? QStringLiteral("Language") : QStringLiteral("语言"), Boxes::Text::Prose);
}

// --- The kind of digit ---

void SEG8::buildKindMenu() {
    QMenu* kinds = m_menu->addMenu(tr("数码管"));
    kinds->setObjectName(QStringLiteral("kindMenu"));
    auto* group = new QActionGroup(this);
    const std::array<std::pair<codes::DisplayKind, QString>, 3> choices = {
        std::pair(codes::DisplayKind::Seven, tr("7 段（默认）")),
        std::pair(codes::DisplayKind::Fourteen, tr("14 段")),
        std::pair(codes::DisplayKind::Sixteen, tr("16 段"))};
    for (size_t k = 0; k < choices.size(); ++k) {
        const auto& [which, text] = choices[k];
        QAction* action = kinds->addAction(text);
        action->setObjectName(QStringLiteral("kind%1").arg(codes::kindNumber(which)));
        action->setCheckable(true);
        action->setChecked(which == kind());
        group->addAction(action);
        connect(action, &QAction::triggered, this, [this, which = which] { chooseKind(which); });
        m_kindActions[k] = action;
    }
}

void SEG8::chooseKind(codes::DisplayKind wanted) {
    if (wanted == kind()) return;
    BoardSettings board = m_board;
    board.wiring = codes::Wiring(wanted);
    // The name the board had may not suit another format; every format holds the wide codes.
    takeBoard(board, polarity());
}

void SEG8::showKind() {
    const bool seven = kind() == codes::DisplayKind::Seven;
    if (!seven && m_wideDigit == nullptr) {
        // In the place of the eight boxes, as large as they are together.
        QRect place;
        for (gui::PictureBox* box : Picture1)
            place = place.united(box->geometry());
        m_wideDigit = new DigitView(this);
        m_wideDigit->setObjectName(QStringLiteral("wideDigit"));
        m_wideDigit->setEditable(true);
        m_wideDigit->setGeometry(place);
        m_wideDigit->setToolTip(tr("单击点亮或熄灭一段；右键（或 Shift+F10）打开菜单"));
        connect(m_wideDigit, &DigitView::segmentClicked, this,
                [this](int segment) { setPattern(m_widePattern ^ (1u << segment)); });
    }
    for (gui::PictureBox* box : Picture1)
        box->setVisible(seven);
    if (m_wideDigit != nullptr) {
        m_wideDigit->setKind(kind());
        m_widePattern = 0;
        m_wideDigit->setPattern(0);
        m_wideDigit->setVisible(!seven);
        if (!seven) m_wideDigit->raise();
    }
    // The binary code of 15 or 17 digits fits its box in a smaller type.
    Text4->setFont(gui::controlFont(seven ? 10.5 : 8));
    for (size_t k = 0; k < m_kindActions.size(); ++k)
        if (m_kindActions[k] != nullptr)
            m_kindActions[k]->setChecked(static_cast<int>(k) == static_cast<int>(kind()));
    UpdateSegmentCode();
}

void SEG8::openFramesWindow() {
    FramesWindow window(m_board, polarity(), m_frames, m_framesName, m_services.preferences,
                        m_services.clipboard, this);
    if (window.exec() != QDialog::Accepted) return;
    m_frames = window.frames();
    m_framesName = window.name();
    projectChanged();
}

void SEG8::openImportWindow() {
    ImportWindow window(m_board, polarity(), m_services.preferences, this);
    if (window.exec() != QDialog::Accepted) return;
    takeBoard(window.board(), window.polarity());
}

void SEG8::openTextCodesWindow() {
    TextCodesWindow window(
        m_board, polarity(), m_services.preferences, m_services.clipboard,
        [this](const QList<codes::Code>& codes) { appendCodes(codes); }, this);
    window.exec();
}

}  // namespace kelvarin
