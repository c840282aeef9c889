#pragma once
// The typing limits of the fields whose texts are kept in the settings or given on the command
// line. The dialogs limit typing in their fields with these and the command-line companion
// refuses longer arguments, so both take the same texts.

// A drop-down list of whole numbers (track, wind, TAS, distance, variation, courses).
inline constexpr int kNumberListChars = 3;
// A time typed as minutes and seconds without the colon ("130" for 1:30): the inbound leg time.
inline constexpr int kInboundTimeChars = 4;
// A clock time "hh:mm" (the departure time).
inline constexpr int kClockTimeChars = 5;
// "Find what:" of the airport search.
inline constexpr int kSearchTextChars = 20;
// A count timer's title.
inline constexpr int kTimerTitleChars = 10;
// A world clock's place name.
inline constexpr int kPlaceNameChars = 16;
// The UTC offset of the sun times, in hours ("-9.5").
inline constexpr int kUtcOffsetChars = 5;
// The wind of the flight plan: direction and speed.
inline constexpr int kPlanWindDirectionChars = 3;
inline constexpr int kPlanWindSpeedChars = 2;
// The take-off ground speed of the GPS dialog, in knots.
inline constexpr int kTakeoffSpeedChars = 2;
