#include "platform/qt/qt_dialogs.h"

#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QStandardPaths>
#include <QStringList>

namespace kolven::platform::qt {

namespace {

std::optional<std::string> chosen(const QString& path)
{
    if (path.isEmpty())
        return std::nullopt;
    return path.toStdString();
}

// The suffix of the filter's first pattern: "png" for "Image PNG (*.png)".
QString firstSuffix(const QString& filter)
{
    const qsizetype star = filter.indexOf(QLatin1String("*."));
    if (star < 0)
        return {};
    qsizetype end = star + 2;
    while (end < filter.size() && filter.at(end).isLetterOrNumber())
        ++end;
    return filter.mid(star + 2, end - star - 2);
}

}  // namespace

std::optional<std::string> QtDialogs::askSavePath(const std::string& folder, const std::string& defaultName,
                                                  const FileFilter& filter)
{
    QFileDialog dialog(&m_parent, QString(), QString::fromStdString(folder), QString::fromStdString(filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // A name typed without its suffix gets it, and the question whether to
    // replace an existing file is asked of the name with it.
    dialog.setDefaultSuffix(firstSuffix(QString::fromStdString(filter)));
    dialog.selectFile(QString::fromStdString(defaultName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return chosen(dialog.selectedFiles().constFirst());
}

std::optional<std::string> QtDialogs::askOpenPath(const std::string& folder, const std::vector<FileFilter>& filters)
{
    QStringList list;
    for (const FileFilter& filter : filters)
        list << QString::fromStdString(filter);
    return chosen(QFileDialog::getOpenFileName(&m_parent, QString(), QString::fromStdString(folder), list.join(";;")));
}

std::string QtDialogs::userFolder(UserFolder which) const
{
    const auto kind =
        which == UserFolder::Pictures ? QStandardPaths::PicturesLocation : QStandardPaths::DocumentsLocation;
    // Qt names the folder even when it does not exist: a dialog cannot open there.
    const QString folder = QStandardPaths::writableLocation(kind);
    if (!folder.isEmpty() && QDir(folder).exists())
        return folder.toStdString();
    return QDir::homePath().toStdString();
}

void QtClipboard::setText(const std::string& utf8)
{
    QGuiApplication::clipboard()->setText(QString::fromStdString(utf8), QClipboard::Clipboard);
}

std::string QtClipboard::text() const
{
    return QGuiApplication::clipboard()->text(QClipboard::Clipboard).toStdString();
}

}  // namespace kolven::platform::qt
