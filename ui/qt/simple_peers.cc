// Peers of the plain controls: panel, label, button, edit box, image.
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

#include "ui/button.h"
#include "ui/edit.h"
#include "ui/image.h"
#include "ui/label.h"
#include "ui/panel.h"
#include "ui/qt/conversions.h"
#include "ui/qt/qt_peer.h"

namespace brontel::ui::qt {

namespace {

// Panel: its colour and the bevels, outer then inner, each BevelWidth pixels wide.
class PanelWidget : public QWidget {
 public:
  PanelWidget(Panel& panel, QWidget* parent) : QWidget(parent), panel_(panel) {}

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.fillRect(rect(), ToQColor(panel_.Color()));
    QRect r = rect();
    int width = std::max(1, Scale(panel_.BevelWidth()));
    for (Bevel bevel : {panel_.BevelOuter(), panel_.BevelInner()}) {
      if (bevel == Bevel::kNone) continue;
      QColor light = ToQColor(clBtnHighlight);
      QColor dark = ToQColor(clBtnShadow);
      if (bevel == Bevel::kLowered) std::swap(light, dark);
      for (int i = 0; i < width && r.width() > 1 && r.height() > 1; ++i) {
        painter.setPen(light);
        painter.drawLine(r.left(), r.top(), r.right() - 1, r.top());
        painter.drawLine(r.left(), r.top(), r.left(), r.bottom() - 1);
        painter.setPen(dark);
        painter.drawLine(r.right(), r.top(), r.right(), r.bottom());
        painter.drawLine(r.left(), r.bottom(), r.right(), r.bottom());
        r.adjust(1, 1, -1, -1);
      }
    }
    if (!panel_.Caption().empty()) {
      painter.setPen(palette().color(QPalette::WindowText));
      painter.drawText(rect(), Qt::AlignCenter, ToQt(panel_.Caption()));
    }
  }

 private:
  Panel& panel_;
};

class PanelPeer : public QtPeer {
 public:
  PanelPeer(Panel& panel, QWidget* widget) : QtPeer(panel, widget) {}

 protected:
  void SyncText() override { Widget()->update(); }
  void SyncContent() override { Widget()->update(); }
  void SyncColor() override { Widget()->update(); }
};

class LabelPeer : public QtPeer {
 public:
  LabelPeer(Label& label, QLabel* widget) : QtPeer(label, widget), label_(label), q_(widget) {}

 protected:
  void SyncText() override { q_->setText(ToQt(label_.Caption())); }
  void SyncContent() override {
    q_->setWordWrap(label_.WordWrap());
    Qt::Alignment h = label_.GetAlignment() == Alignment::kCenter  ? Qt::AlignHCenter
                      : label_.GetAlignment() == Alignment::kRight ? Qt::AlignRight
                                                                   : Qt::AlignLeft;
    q_->setAlignment(h | Qt::AlignTop);
    SyncColor();
  }
  void SyncColor() override {
    q_->setAutoFillBackground(!label_.Transparent());
    QPalette palette = q_->palette();
    palette.setColor(QPalette::Window, ToQColor(label_.Color()));
    q_->setPalette(palette);
  }
  void FitSize() override {
    if (!label_.AutoSize()) {
      SyncBounds();  // the size the layout gives, whatever was fitted before
      return;
    }
    // From the layout's width each time: a wrapped label keeps it and takes the height its
    // lines need; a single line takes the size of its text.
    if (label_.WordWrap()) {
      int width = Scale(label_.Width());
      q_->resize(width, std::max(q_->heightForWidth(width), 1));
    } else {
      q_->resize(q_->sizeHint());
    }
  }

 private:
  Label& label_;
  QLabel* q_;
};

// Enter is left to the form, which presses this button when it has the focus and can be
// pressed, else the default one. The toolkit's own press of a focused default button would
// also press one that was hidden or disabled with the focus still on it.
class ButtonWidget : public QPushButton {
 public:
  explicit ButtonWidget(QWidget* parent) : QPushButton(parent) {}

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
      event->ignore();
      return;
    }
    QPushButton::keyPressEvent(event);
  }
};

class ButtonPeer : public QtPeer {
 public:
  ButtonPeer(Button& button, QPushButton* widget)
      : QtPeer(button, widget), button_(button), q_(widget) {
    QObject::connect(q_, &QPushButton::clicked, q_,
                     [this] { DispatchFor(button_, [this] { button_.Click(); }); });
  }

 protected:
  void SyncText() override { q_->setText(ToQt(button_.Caption())); }
  void SyncContent() override {
    q_->setAutoDefault(false);
    q_->setDefault(button_.Default());
  }

 private:
  Button& button_;
  QPushButton* q_;
};

class EditPeer : public QtPeer {
 public:
  EditPeer(Edit& edit, QLineEdit* widget) : QtPeer(edit, widget), edit_(edit), q_(widget) {
    QObject::connect(q_, &QLineEdit::textEdited, q_, [this](const QString& text) {
      DispatchFor(edit_, [this, text] { edit_.TextEdited(FromQt(text)); });
    });
  }

 protected:
  void SyncText() override {
    QString text = ToQt(edit_.Text());
    if (q_->text() != text) q_->setText(text);
  }

 private:
  Edit& edit_;
  QLineEdit* q_;
};

// Image: the picture at the top-left corner, scaled to the screen like the layout.
class ImageWidget : public QWidget {
 public:
  ImageWidget(Image& image, QWidget* parent) : QWidget(parent), image_(image) {}
  void Reload() {
    std::span<const unsigned char> bytes = image_.Picture();
    picture_ = QImage();
    if (!bytes.empty()) picture_.loadFromData(bytes.data(), static_cast<int>(bytes.size()));
    update();
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    if (picture_.isNull()) return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    QSize size(Scale(picture_.width()), Scale(picture_.height()));
    painter.drawImage(QRect(QPoint(0, 0), size), picture_);
  }

 private:
  Image& image_;
  QImage picture_;
};

class ImagePeer : public QtPeer {
 public:
  ImagePeer(Image& image, ImageWidget* widget) : QtPeer(image, widget), q_(widget) {}

 protected:
  void SyncContent() override { q_->Reload(); }

 private:
  ImageWidget* q_;
};

}  // namespace

std::unique_ptr<QtPeer> MakePanelPeer(Control& control) {
  auto& panel = static_cast<Panel&>(control);
  return std::make_unique<PanelPeer>(panel, new PanelWidget(panel, ParentWidget(control)));
}

std::unique_ptr<QtPeer> MakeLabelPeer(Control& control) {
  auto& label = static_cast<Label&>(control);
  auto* widget = new QLabel(ParentWidget(control));
  widget->setTextFormat(Qt::PlainText);
  widget->setFocusPolicy(Qt::NoFocus);
  return std::make_unique<LabelPeer>(label, widget);
}

std::unique_ptr<QtPeer> MakeButtonPeer(Control& control) {
  auto& button = static_cast<Button&>(control);
  auto* widget = new ButtonWidget(ParentWidget(control));
  widget->setFocusPolicy(Qt::StrongFocus);
  return std::make_unique<ButtonPeer>(button, widget);
}

std::unique_ptr<QtPeer> MakeEditPeer(Control& control) {
  auto& edit = static_cast<Edit&>(control);
  return std::make_unique<EditPeer>(edit, new QLineEdit(ParentWidget(control)));
}

std::unique_ptr<QtPeer> MakeImagePeer(Control& control) {
  auto& image = static_cast<Image&>(control);
  return std::make_unique<ImagePeer>(image, new ImageWidget(image, ParentWidget(control)));
}

}  // namespace brontel::ui::qt
