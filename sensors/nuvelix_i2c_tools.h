#pragma once

#include "framepace.h"
#include "i2cframedecoder.h"
#include "i2cregistertable.h"

#include <QByteArray>
#include <QFont>
#include <QList>
#include <QWidget>

#include <memory>

class QLabel;

QT_BEGIN_NAMESPACE
namespace Ui {
class nuvelix_i2c_tools;
} // namespace Ui
QT_END_NAMESPACE

// The i2cdump tab's device-address box and 16 x 16 register table; it cuts
// the bridge board's frames from the port's bytes, shows register tables and
// hands scan and read results on. Tables are shown at most once a frame of
// the screen, the newest one each time.
class nuvelix_i2c_tools : public QWidget
{
    Q_OBJECT

public:
    explicit nuvelix_i2c_tools(QWidget *parent = nullptr);
    ~nuvelix_i2c_tools() override;

    // Takes the next bytes from the port and acts on every frame they
    // complete, in stream order; the newest register table shows at the next
    // frame of the screen.
    void updateValues(const QByteArray &bytes);
    // Forgets the bytes of a frame under way, for a port opened afresh.
    void clearFrameBuffer();
    // Shows one register's value now, with any table still waiting for its
    // show, the cells shaded as I2cRegisterTable says; an index outside the
    // table changes nothing.
    void updateLabelValues(int index, quint8 value);

    [[nodiscard]] const QLabel *registerLabel(int index) const { return registerLabels.at(index); }
    // The table's fonts: point size 10, bold or normal.
    [[nodiscard]] static QFont set_label_font(bool bold);
    // The frames' sum: the bytes added modulo 256, 0 for none.
    [[nodiscard]] static quint8 calculateChecksum(const quint8 *data, size_t length);

Q_SIGNALS:
    // The device address chosen, 0 to 127.
    void Channge_Addr(const int &address);
    // A bus scan's result: one byte per device address found.
    void Get_Addr(const QByteArray &addresses);
    // A register read's values, one byte per register.
    void Get_Data(const QByteArray &values);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private Q_SLOTS:
    void onCurrentIndexChanged(int value);

private:
    void buildTable();
    void relayout();
    void showPending();

    std::unique_ptr<Ui::nuvelix_i2c_tools> ui;
    I2cFrameDecoder frameBuffer;
    I2cRegisterTable registers;
    // The 256 register cells in register order, owned through the layout.
    QList<QLabel *> registerLabels;
    // Runs the next show, at most once a frame of the screen.
    FramePace showPace;
};
