// SPDX-License-Identifier: MIT
// The main window's projects: the board, the polarity and the declaration in progress kept in a
// project file (the one `kelvarin build` builds), opened, saved, and asked about before they are
// lost. Without a project open the window is its own plain self: Esc ends the program at once.

#include <QAction>
#include <QCloseEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTextCursor>

#include "segment_codes/project.h"
#include "segment_window/seg8.h"

namespace kelvarin {

namespace {

const QString kRecentKey = QStringLiteral("projects/recent");
constexpr qsizetype kMostRecent = 8;
// A project is a few kilobytes; a file far beyond is not one.
constexpr qint64 kMostProjectBytes = qint64{8} * 1024 * 1024;

}  // namespace

codes::ProjectDraft SEG8::projectDraft() const {
    codes::ProjectDraft draft;
    draft.kind = m_board.wiring.kind();
    draft.wiring = m_board.wiring;
    draft.polarity = polarity();
    draft.format = m_board.format;
    draft.perLine = m_board.perLine;
    draft.upper = m_board.upper;
    // The window's declaration ends its lines with CR LF: a build of the project does the same.
    draft.crlf = true;
    draft.window = {m_board.name, Text5->text(), CodeCount, m_framesName};
    draft.frames = m_frames;
    return draft;
}

std::optional<QString> SEG8::projectText(QString* error) const {
    return codes::writeProject(projectDraft(), m_project.original, m_project.file, error);
}

bool SEG8::projectModified() const {
    if (!m_project.open) return false;
    // The text written is the draft written into the original: the draft alone tells.
    return !(projectDraft() == m_project.saved);
}

QString SEG8::projectTitle() const {
    if (!m_project.open) return QString();
    const QString name =
        m_project.file.isEmpty() ? tr("未命名项目") : QFileInfo(m_project.file).fileName();
    return (projectModified() ? QStringLiteral("*") : QString()) + name;
}

void SEG8::projectChanged() {
    if (m_project.open) updateCaption();
}

QString SEG8::projectProblem(const QString& why) {
    // The core names the file, the line and the key (or the column) in the command line's
    // words; the window says it in its own and keeps the names, which are the file's.
    static const QRegularExpression keyed(QStringLiteral("^(.*):(\\d+): (.+?): "));
    static const QRegularExpression placed(QStringLiteral("^(.*):(\\d+):(\\d+): "));
    if (const QRegularExpressionMatch m = placed.match(why); m.hasMatch())
        return tr("“%1”第 %2 行第 %3 列不是正确的 TOML 写法。")
            .arg(m.captured(1), m.captured(2), m.captured(3));
    if (const QRegularExpressionMatch m = keyed.match(why); m.hasMatch()) {
        if (m.captured(3) == u"schema" && why.contains(QStringLiteral("newer than")))
            return tr("“%1”由较新版本的程序写成，请更新本程序后再打开。").arg(m.captured(1));
        return tr("“%1”第 %2 行的 %3 有误（缺少、未知或值不对）。")
            .arg(m.captured(1), m.captured(2), m.captured(3));
    }
    return tr("这不是本程序能读的项目文件。");
}

void SEG8::warnProject(const QString& prompt) {
    using Boxes = platform::MessageBoxes;
    if (m_services.messageBoxes == nullptr) return;
    m_services.messageBoxes->show(this, prompt, Boxes::Buttons::Ok, Boxes::Icon::Warning,
                                  tr("项目"), Boxes::Text::Prose);
}

bool SEG8::settleProject() {
    if (!projectModified()) return true;
    using Boxes = platform::MessageBoxes;
    if (m_services.messageBoxes == nullptr) return true;
    const Boxes::Answer answer = m_services.messageBoxes->show(
        this, tr("项目“%1”有未保存的更改。保存吗？").arg(projectTitle().mid(1)),
        Boxes::Buttons::YesNoCancel, Boxes::Icon::Warning, tr("项目"), Boxes::Text::Prose);
    if (answer == Boxes::Answer::Cancel) return false;
    if (answer == Boxes::Answer::No) return true;
    return saveProject();
}

void SEG8::newProject() {
    if (!settleProject()) return;
    m_project = {};
    m_project.open = true;
    m_frames.clear();
    m_framesName.clear();
    Command4_Click();
    m_history.clear();
    if (m_undo != nullptr) m_undo->setEnabled(false);
    m_project.saved = projectDraft();
    updateProjectActions();
    updateCaption();
}

void SEG8::chooseProjectToOpen() {
    if (!settleProject()) return;
    const QString file = QFileDialog::getOpenFileName(this, tr("打开项目"), recentFolder(),
                                                      tr("项目 (*.toml);;所有文件 (*)"), nullptr,
                                                      QFileDialog::DontUseNativeDialog);
    if (!file.isEmpty()) openProject(file, false);
}

bool SEG8::openProject(const QString& file, bool settle) {
    if (settle && !settleProject()) return false;
    QFile in(file);
    const QFileInfo info(file);
    QString problem;
    QString text;
    if (!info.exists()) {
        problem = tr("找不到项目文件“%1”。").arg(file);
    } else if (!info.isFile()) {
        problem = tr("“%1”不是一个文件。").arg(file);
    } else if (info.size() > kMostProjectBytes) {
        problem = tr("“%1”太大，不是项目文件。").arg(file);
    } else if (!in.open(QIODevice::ReadOnly)) {
        problem = tr("无法读取“%1”：%2").arg(file, in.errorString());
    } else {
        text = QString::fromUtf8(in.read(kMostProjectBytes));
    }
    std::optional<codes::Project> project;
    if (problem.isEmpty()) {
        QString why;
        project = codes::readProject(text, info.fileName(), &why);
        if (!project) problem = tr("无法打开项目：%1").arg(projectProblem(why));
    }
    if (!problem.isEmpty()) {
        // Nothing of the window changes, and a missing file leaves the recent list.
        if (!info.exists()) forgetRecent(file);
        warnProject(problem);
        return false;
    }
    BoardSettings board = m_board;
    board.wiring = project->wiring;
    board.format = project->output.format;
    board.perLine = project->output.perLine;
    board.upper = project->output.upper;
    board.name = project->window ? project->window->array : QString();
    m_project = {};
    m_project.open = true;
    m_project.file = info.absoluteFilePath();
    m_project.original = text;
    takeBoard(board, project->polarity);
    // The frames window's animation, as drawn frames.
    m_frames.clear();
    m_framesName.clear();
    if (project->window && !project->window->animation.isEmpty()) {
        const qsizetype at = project->animationNames.indexOf(project->window->animation);
        m_framesName = project->window->animation;
        m_frames = codes::drawnOf(project->animations.value(at), m_board.wiring, polarity());
    }
    if (project->window) {
        Text5->setText(project->window->declaration);
        Text5->moveCursor(QTextCursor::End);
        CodeCount = project->window->count;
    } else {
        Command4_Click();
    }
    m_history.clear();
    if (m_undo != nullptr) m_undo->setEnabled(false);
    m_project.saved = projectDraft();
    // A project written by hand, or by another version, is the same project: opened unmodified.
    rememberRecent(m_project.file);
    updateProjectActions();
    updateCaption();
    return true;
}

bool SEG8::saveProject() {
    if (!m_project.open) return false;
    if (m_project.file.isEmpty()) return chooseProjectToSave();
    return saveProjectAs(m_project.file);
}

bool SEG8::chooseProjectToSave() {
    if (!m_project.open) newProject();
    QString file = QFileDialog::getSaveFileName(
        this, tr("项目另存为"),
        m_project.file.isEmpty() ? recentFolder() + QStringLiteral("/project.toml")
                                 : m_project.file,
        tr("项目 (*.toml);;所有文件 (*)"), nullptr, QFileDialog::DontUseNativeDialog);
    if (file.isEmpty()) return false;
    if (QFileInfo(file).suffix().isEmpty()) file += QStringLiteral(".toml");
    return saveProjectAs(file);
}

bool SEG8::saveProjectAs(const QString& file) {
    if (!m_project.open) {
        m_project = {};
        m_project.open = true;
    }
    QString why;
    // Into the project it was opened from: a new file of the same project keeps its tables.
    const std::optional<QString> text = projectText(&why);
    if (!text) {
        warnProject(tr("无法保存项目：%1").arg(projectProblem(why)));
        return false;
    }
    // Written whole or not at all: a failed save leaves the file as it was.
    QSaveFile out(file);
    const QByteArray bytes = text->toUtf8();
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit()) {
        warnProject(tr("无法保存“%1”：%2").arg(file, out.errorString()));
        return false;
    }
    m_project.file = QFileInfo(file).absoluteFilePath();
    m_project.original = *text;
    m_project.saved = projectDraft();
    rememberRecent(m_project.file);
    updateProjectActions();
    updateCaption();
    return true;
}

void SEG8::closeProject() {
    if (!settleProject()) return;
    m_project = {};
    updateProjectActions();
    updateCaption();
}

QStringList SEG8::recentProjects() const {
    if (m_services.preferences == nullptr) return {};
    QStringList recent = m_services.preferences->value(kRecentKey).toStringList();
    recent.removeAll(QString());
    return recent.mid(0, kMostRecent);
}

QString SEG8::recentFolder() const {
    const QStringList recent = recentProjects();
    return recent.isEmpty() ? QString() : QFileInfo(recent.front()).absolutePath();
}

void SEG8::rememberRecent(const QString& file) {
    if (m_services.preferences == nullptr) return;
    QStringList recent = recentProjects();
    recent.removeAll(file);
    recent.prepend(file);
    m_services.preferences->setValue(kRecentKey, recent.mid(0, kMostRecent));
}

void SEG8::forgetRecent(const QString& file) {
    if (m_services.preferences == nullptr) return;
    QStringList recent = recentProjects();
    if (recent.removeAll(file) > 0) m_services.preferences->setValue(kRecentKey, recent);
    updateProjectActions();
}

void SEG8::buildProjectMenu() {
    m_projectMenu = m_menu->addMenu(tr("项目"));
    m_projectMenu->setObjectName(QStringLiteral("projectMenu"));
    auto add = [this](const QString& name, const QString& text, const QKeySequence& keys,
                      const std::function<void()>& run) {
        return addMenuAction(m_projectMenu, name, text, keys, run);
    };
    add(QStringLiteral("newProject"), tr("新建项目"), QKeySequence(Qt::CTRL | Qt::Key_N),
        [this] { newProject(); });
    add(QStringLiteral("openProject"), tr("打开项目…"), QKeySequence(Qt::CTRL | Qt::Key_O),
        [this] { chooseProjectToOpen(); });
    m_recentMenu = m_projectMenu->addMenu(tr("最近的项目"));
    m_recentMenu->setObjectName(QStringLiteral("recentProjects"));
    m_recentMenu->setToolTipsVisible(true);
    m_projectMenu->addSeparator();
    m_saveProject = add(QStringLiteral("saveProject"), tr("保存项目"),
                        QKeySequence(Qt::CTRL | Qt::Key_S), [this] { saveProject(); });
    add(QStringLiteral("saveProjectAs"), tr("项目另存为…"),
        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), [this] { chooseProjectToSave(); });
    m_closeProject = add(QStringLiteral("closeProject"), tr("关闭项目"), QKeySequence(),
                         [this] { closeProject(); });
    updateProjectActions();
}

void SEG8::updateProjectActions() {
    if (m_projectMenu == nullptr) return;
    m_saveProject->setEnabled(m_project.open);
    m_closeProject->setEnabled(m_project.open);
    m_recentMenu->clear();
    const QStringList recent = recentProjects();
    for (qsizetype k = 0; k < recent.size(); ++k) {
        const QString& file = recent[k];
        QAction* action = m_recentMenu->addAction(
            QStringLiteral("&%1 %2").arg(k + 1).arg(QFileInfo(file).fileName()));
        action->setToolTip(file);
        action->setData(file);
        connect(action, &QAction::triggered, this, [this, file] { openProject(file); });
    }
    m_recentMenu->setEnabled(!recent.isEmpty());
}

}  // namespace kelvarin
