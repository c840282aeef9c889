#pragma once
// The "GPS" dialog: chooses the source (a serial port, a TCP NMEA stream typed as host:port, or a
// recording to replay), starts and stops the receiver, edits the takeoff ground speed (0-99
// knots) and shows what the receiver publishes once a second, with "Set system time" from GPS
// time. OK stores "TakeoffGS", "GPSPort" and the source choice; Close stores nothing. The
// receiver belongs to the document and keeps running after the dialog has closed.

#include "core/gps/GpsSourceList.h"
#include "resource.h"
#include "ui/framework/CalcDialog.h"

#include <QTimer>

class CTrevallionDoc;

class CGpsDlg : public CCalcDialog {
    Q_OBJECT
public:
    static constexpr LayoutTriple kTemplates{IDD_GPS_P, IDD_GPS_L, IDD_GPS_S};
    static constexpr int kRefreshMilliseconds = 1000;
    static constexpr int kMaxTakeoffSpeed = 99;

    CGpsDlg(CTrevallionDoc& document, QWidget* parent = nullptr);

    // How often a recording plays a sentence group (0: once a second). Tests play faster.
    static void SetReplayInterval(int milliseconds);

    // The once-a-second refresh of the read-out (also run by tests).
    void Refresh();
    void StartOrStop();
    void SetSystemTimeFromGps();

protected:
    bool OnInitDialog() override;
    void OnOK() override;

private:
    void FillSources(uint32_t gpsPort);
    std::optional<GpsSourceEntry> ChosenSource();
    void StepTakeoffSpeed(int delta);
    void ShowRunning();

    CTrevallionDoc& document_;
    GpsSourceSettings sources_;
    QVector<GpsSourceEntry> entries_;
    std::optional<GpsSourceEntry> started_; // the source the Start button opened
    QTimer refresh_;
};
