// The grid flxFileNames that shows the file list. Its columns start at the
// grid's twips widths; the Folder column then takes whatever width the
// window gives or takes, so that the list fills the window without a blank
// strip or a scroll bar, and the user may still resize every column. Long
// folders and names are elided in the middle, where they differ least.
//
// An empty list shows how to fill it. Delete, or Remove in the context menu,
// takes the selected rows off the list; the context menu also opens the
// folder that holds a row's file. The window carries both out.
#pragma once

#include <QAction>
#include <QCoreApplication>
#include <QTableView>
#include <QVBoxLayout>
#include <vector>

#include "ui/fitting_label.h"

namespace morlindo::ui {

class FileListView final : public QTableView {
    Q_OBJECT

public:
    explicit FileListView(QWidget* parent = nullptr);

    // The columns' widths in pixels, as the list starts and after a change
    // of tab; the Folder column then fits the rest.
    void setStartingWidths(const std::vector<int>& widths);
    // While a batch runs the list keeps its rows.
    void setRemovingEnabled(bool enabled);
    // The selected rows, top to bottom.
    std::vector<int> selectedRowNumbers() const;

    QLabel& emptyHint() { return emptyHint_; }
    QAction& removeAction() { return remove_; }
    QAction& openFolderAction() { return openFolder_; }

    void setModel(QAbstractItemModel* model) override;

Q_SIGNALS:
    void removeRequested(const std::vector<int>& rows);
    void openFolderRequested(int row);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void fitFolderColumn();
    void updateHint();
    void updateActions();

    QVBoxLayout hintLayout_;
    FittingLabel emptyHint_{FittingLabel::Mode::Wrap};
    QAction remove_;
    QAction openFolder_;
    bool removingEnabled_ = true;
    bool fitting_ = false;
};

}  // namespace morlindo::ui
