// Peers of the controls that draw themselves: the gauge and graphic controls.
#include <QPainter>

#include "ui/gauge.h"
#include "ui/graphic_control.h"
#include "ui/qt/conversions.h"
#include "ui/qt/qt_canvas.h"
#include "ui/qt/qt_peer.h"

namespace brontel::ui::qt {

namespace {

// The bar grows from the left in the fore colour over the back colour; the percentage stands
// in the middle, in the back colour where it lies over the bar.
class GaugeWidget : public QWidget {
 public:
  GaugeWidget(Gauge& gauge, QWidget* parent) : QWidget(parent), gauge_(gauge) {
    setAttribute(Qt::WA_OpaquePaintEvent);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    QColor fore = ToQColor(gauge_.ForeColor());
    QColor back = ToQColor(gauge_.BackColor());
    QRect frame = rect();
    painter.fillRect(frame, back);
    painter.setPen(ToQColor(clBlack));
    painter.drawRect(frame.adjusted(0, 0, -1, -1));
    QRect inside = frame.adjusted(1, 1, -1, -1);
    QRect bar = inside;
    bar.setWidth(inside.width() * gauge_.Progress() / 100);
    painter.fillRect(bar, fore);
    QString text = ToQt(gauge_.PercentText());
    painter.setFont(font());
    painter.save();
    painter.setClipRect(bar);
    painter.setPen(back);
    painter.drawText(inside, Qt::AlignCenter, text);
    painter.restore();
    painter.setClipRect(
        QRect(bar.right() + 1, inside.top(), inside.width() - bar.width(), inside.height()));
    painter.setPen(fore);
    painter.drawText(inside, Qt::AlignCenter, text);
  }

 private:
  Gauge& gauge_;
};

class GaugePeer : public QtPeer {
 public:
  GaugePeer(Gauge& gauge, QWidget* widget) : QtPeer(gauge, widget) {}

 protected:
  void SyncContent() override { Widget()->update(); }
  void SyncColor() override { Widget()->update(); }
};

// The control paints everything itself; nothing is erased before.
class GraphicWidget : public QWidget {
 public:
  GraphicWidget(GraphicControl& control, QWidget* parent) : QWidget(parent), control_(control) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAutoFillBackground(false);
    setFocusPolicy(Qt::NoFocus);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    double factor = ScaleFactor();
    painter.scale(factor, factor);
    QtCanvas canvas(painter, control_.Width(), control_.Height());
    DispatchFor(control_, [this, &canvas] { control_.Paint(canvas); });
  }

 private:
  GraphicControl& control_;
};

class GraphicPeer : public QtPeer {
 public:
  GraphicPeer(GraphicControl& control, QWidget* widget) : QtPeer(control, widget) {}

 protected:
  void SyncContent() override { Widget()->update(); }
  void SyncColor() override { Widget()->update(); }
};

}  // namespace

std::unique_ptr<QtPeer> MakeGaugePeer(Control& control) {
  auto& gauge = static_cast<Gauge&>(control);
  return std::make_unique<GaugePeer>(gauge, new GaugeWidget(gauge, ParentWidget(control)));
}

std::unique_ptr<QtPeer> MakeGraphicPeer(Control& control) {
  auto& graphic = static_cast<GraphicControl&>(control);
  return std::make_unique<GraphicPeer>(graphic, new GraphicWidget(graphic, ParentWidget(control)));
}

}  // namespace brontel::ui::qt
