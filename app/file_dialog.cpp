#include "app/file_dialog.h"

#include <QFileDialog>
#include <QFileSystemModel>
#include <QIdentityProxyModel>
#include <QLocale>

namespace vantrel::app {
namespace {

// The columns of Qt's file list: name, size, kind, date modified.
constexpr int kSizeColumn = 1;
constexpr int kDateColumn = 3;

class LocalizedFileList : public QIdentityProxyModel {
 public:
  using QIdentityProxyModel::QIdentityProxyModel;

  QVariant data(const QModelIndex& index, int role) const override {
    const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
    if (role != Qt::DisplayRole || !files || !index.isValid()) return QIdentityProxyModel::data(index, role);
    const QModelIndex source = mapToSource(index);
    if (index.column() == kDateColumn) {
      const QDateTime modified = files->lastModified(source);
      if (modified.isValid()) return QLocale().toString(modified, QStringLiteral("yyyy-MM-dd HH:mm"));
    }
    if (index.column() == kSizeColumn && !files->isDir(source)) {
      return QLocale().formattedDataSize(files->size(source), 1, QLocale::DataSizeTraditionalFormat);
    }
    return QIdentityProxyModel::data(index, role);
  }
};

}  // namespace

QAbstractProxyModel* NewLocalizedFileList(QObject* parent) { return new LocalizedFileList(parent); }

QString AskSaveFileName(QWidget* parent, const QString& caption, const QString& suggested,
                        const QStringList& filters, QString* filter) {
  QFileDialog dialog(parent, caption);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  // Qt's own dialog, so that the file list below is the one shown.
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setProxyModel(NewLocalizedFileList(&dialog));
  dialog.setNameFilters(filters);
  if (filter && !filter->isEmpty()) dialog.selectNameFilter(*filter);
  dialog.selectFile(suggested);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  if (filter) *filter = dialog.selectedNameFilter();
  return dialog.selectedFiles().constFirst();
}

}  // namespace vantrel::app
