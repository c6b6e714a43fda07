#pragma once

#include <QObject>
#include <QProcess>
#include <QString>

#include <optional>
#include <vector>

class QWidget;

// The longest stall of a window as a user would feel it, measured from
// outside the process: `wmpinger` pings the window every 10 ms as a window
// manager does, from the probe's making on, and reports how long each
// answer took.
class PingStallProbe : public QObject
{
public:
    struct Figures
    {
        double longestMs = 0;
        int pings = 0;
        int over50Ms = 0; // answers that took longer than 50 ms
    };
    // One answer: when its ping was sent (microseconds on the steady clock)
    // and how long the window took to answer it.
    struct Answer
    {
        qint64 sentUs;
        double roundTripMs;
    };

    explicit PingStallProbe(QWidget *window);
    ~PingStallProbe() override;

    // Waits until the pings sent so far are answered and returns their
    // figures; none when the pinger does not run.
    [[nodiscard]] std::optional<Figures> figures();
    // "12.3 ms outside (456 pings, 0 over 50 ms)", or that there was none.
    [[nodiscard]] static QString describe(const std::optional<Figures> &figures);
    // Every answer read so far, in the order the pings were sent.
    [[nodiscard]] const std::vector<Answer> &answers() const { return m_answers; }
    // Now on the clock of `Answer::sentUs`.
    [[nodiscard]] static qint64 nowUs();

private:
    void readAnswers();

    QProcess m_pinger;
    qint64 m_lastSentUs = 0;
    Figures m_figures;
    std::vector<Answer> m_answers;
};
