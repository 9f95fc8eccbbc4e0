// Peers of the folder list and the drive box.
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QListWidget>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyledItemDelegate>

#include "ui/directory_list_box.h"
#include "ui/drive_combo_box.h"
#include "ui/form.h"
#include "ui/qt/conversions.h"
#include "ui/qt/qt_peer.h"

namespace brontel::ui::qt {

namespace {

constexpr int kLevelRole = Qt::UserRole + 1;

// Indents each line by its level and gives every line the list's item height.
class IndentDelegate : public QStyledItemDelegate {
 public:
  IndentDelegate(DirectoryListBox& list, QObject* parent)
      : QStyledItemDelegate(parent), list_(list) {}

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    QStyleOptionViewItem indented = option;
    indented.rect.adjust(index.data(kLevelRole).toInt() * Scale(10), 0, 0, 0);
    QStyledItemDelegate::paint(painter, indented, index);
  }
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    size.setHeight(Scale(list_.ItemHeight()));
    return size;
  }

 private:
  DirectoryListBox& list_;
};

// Enter goes to the form's default button first, as a dialog key; only when no button takes it
// does it open the chosen line.
class DirectoryListWidget : public QListWidget {
 public:
  DirectoryListWidget(DirectoryListBox& list, QWidget* parent) : QListWidget(parent), list_(list) {}

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
      event->accept();
      DispatchFor(list_, [this] {
        Form* form = list_.Owner();
        if (form == nullptr || !form->HandleDialogKey(DialogKey::kEnter)) {
          list_.OpenItem(list_.ItemIndex());
        }
      });
      return;
    }
    QListWidget::keyPressEvent(event);
  }

 private:
  DirectoryListBox& list_;
};

class DirectoryListPeer : public QtPeer {
 public:
  DirectoryListPeer(DirectoryListBox& list, DirectoryListWidget* widget)
      : QtPeer(list, widget), list_(list), q_(widget) {
    q_->setItemDelegate(new IndentDelegate(list_, q_));
    q_->setUniformItemSizes(true);
    QObject::connect(q_, &QListWidget::currentRowChanged, q_,
                     [this](int row) { list_.SetItemIndex(row); });
    QObject::connect(q_, &QListWidget::itemDoubleClicked, q_, [this](QListWidgetItem* item) {
      int row = q_->row(item);
      DispatchFor(list_, [this, row] { list_.OpenItem(row); });
    });
  }

 protected:
  void SyncContent() override {
    QSignalBlocker block(q_);
    q_->clear();
    QStyle* style = q_->style();
    QIcon open = style->standardIcon(QStyle::SP_DirOpenIcon);
    QIcon closed = style->standardIcon(QStyle::SP_DirClosedIcon);
    for (const DirectoryListBox::Item& item : list_.Items()) {
      auto* line = new QListWidgetItem(item.open ? open : closed, ToQt(item.text));
      line->setData(kLevelRole, item.level);
      q_->addItem(line);
    }
    const int line = Scale(list_.ItemHeight());
    q_->setIconSize(QSize(line - 2, line - 2));
    q_->setCurrentRow(list_.ItemIndex());
    q_->doItemsLayout();
  }

 private:
  DirectoryListBox& list_;
  DirectoryListWidget* q_;
};

class DriveComboPeer : public QtPeer {
 public:
  DriveComboPeer(DriveComboBox& box, QComboBox* widget)
      : QtPeer(box, widget), box_(box), q_(widget) {
    QObject::connect(q_, &QComboBox::activated, q_, [this](int index) {
      QPointer<QComboBox> alive(q_);
      DispatchFor(box_, [this, index] { box_.UserSelected(index); });
      // Whatever the handlers did, show the drive the box holds now.
      if (alive) SyncContent();
    });
  }

 protected:
  void SyncContent() override {
    QSignalBlocker block(q_);
    if (q_->count() != static_cast<int>(box_.Items().size())) {
      q_->clear();
      QIcon icon = q_->style()->standardIcon(QStyle::SP_DriveHDIcon);
      for (const std::string& item : box_.Items()) q_->addItem(icon, ToQt(item));
    }
    q_->setCurrentIndex(box_.ItemIndex());
  }

 private:
  DriveComboBox& box_;
  QComboBox* q_;
};

}  // namespace

std::unique_ptr<QtPeer> MakeDirectoryListPeer(Control& control) {
  auto& list = static_cast<DirectoryListBox&>(control);
  return std::make_unique<DirectoryListPeer>(list,
                                             new DirectoryListWidget(list, ParentWidget(control)));
}

std::unique_ptr<QtPeer> MakeDriveComboPeer(Control& control) {
  auto& box = static_cast<DriveComboBox&>(control);
  return std::make_unique<DriveComboPeer>(box, new QComboBox(ParentWidget(control)));
}

}  // namespace brontel::ui::qt
