#pragma once
// The pictures some parameters show instead of a value: graphs, lists,
// satellites, position, GPS status and the compass, with sample data.
#include <QFont>
#include <QString>

#include "core/model/ScreenLayout.h"

namespace roamplot {

class BoxCanvas;
struct BoxGeometry;

// Whether the box's kind and parameter code call for one of the drawings below.
bool HasSpecialDrawing(const ParameterBox& box);
// Draws that drawing below a title of height titleHeight.
void DrawSpecial(BoxCanvas& canvas, const ParameterBox& box, const BoxGeometry& g, int titleHeight);

void DrawAltitudeProfile(BoxCanvas& canvas, const ParameterBox& box, int titleHeight);
void DrawSpeedProfile(BoxCanvas& canvas, const ParameterBox& box, int titleHeight);
void DrawWaypointList(BoxCanvas& canvas, const ParameterBox& box, const BoxGeometry& g,
                      int titleHeight);
void DrawSkyView(BoxCanvas& canvas, const ParameterBox& box, int titleHeight);
void DrawSignalBars(BoxCanvas& canvas, const ParameterBox& box, const BoxGeometry& g,
                    int titleHeight);
void DrawDataLog(BoxCanvas& canvas, const ParameterBox& box, const BoxGeometry& g, int titleHeight);
void DrawGpsStatus(BoxCanvas& canvas, const ParameterBox& box, const BoxGeometry& g,
                   int titleHeight);
void DrawPosition(BoxCanvas& canvas, const ParameterBox& box, const BoxGeometry& g,
                  int titleHeight);
void DrawSignalLines(BoxCanvas& canvas, const ParameterBox& box, const BoxGeometry& g,
                     int titleHeight);
void DrawCompass(BoxCanvas& canvas, const ParameterBox& box, const BoxGeometry& g, int titleHeight);

// The font of the sample texts drawn in regular type at TextFontSize, or at
// fallbackPoints when that is 0 or below.
QFont SampleFont(const ParameterBox& box, int fallbackPoints);
// The GPS status text's font: at TextFontSize, or the toolkit's default size when that is 0 or
// below.
QFont GpsStatusFont(const ParameterBox& box);
// The largest size from 2 up at which both position lines fit Wi x Ha; 1 when 2 does not.
int PositionFontSize(int Wi, int Ha);
// How many log lines fit: each line h high from y = tH + b + 3 while y + tH stays within H0.
int DataLogLinesShown(int H0, int tH, int b, int lineHeight);
// The length of the blue part of a signal line of full length L.
int SignalLineLength(int signal, int L);

} // namespace roamplot
