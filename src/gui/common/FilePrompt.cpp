#include "gui/common/FilePrompt.h"

#include <QFileDialog>

namespace FilePrompt {

QString toQtPath(const std::filesystem::path& path) {
    return QString::fromStdU16String(path.u16string());
}

std::filesystem::path fromQtPath(const QString& path) {
    return path.toStdU16String();
}

std::filesystem::path ask(QWidget* parent, Mode mode, const QString& caption,
                          const std::filesystem::path& folder, const QString& filter,
                          const QString& defaultSuffix) {
    QFileDialog dialog(parent, caption, toQtPath(folder), filter);
    dialog.setAcceptMode(mode == Mode::Open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    dialog.setFileMode(mode == Mode::Open ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setDefaultSuffix(defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return fromQtPath(dialog.selectedFiles().constFirst());
}

} // namespace FilePrompt
