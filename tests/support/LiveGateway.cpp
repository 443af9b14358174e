#include "LiveGateway.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>

namespace vuz::sim {

namespace {

// The gateway's word map as the monitor reads it.
enum Word : unsigned {
  kLinkState = 0x8040,
  kStatus = 0x9010,       // + axis
  kAlarmAddress = 0x7009,
  kPointNumber = 0xA000,  // + axis
  kPosition = 0x7400,
  kUnifiedPoint = 0x8011,
  kGroupLamps = 0x8033,
  kHistory = 0x7001,      // + entry 0-7, newest first
  kActuatorType = 0x0017,
  kScaleFactors = 0xFD46,
};

constexpr std::uint32_t kBothLinksOnline = 1u << 16 | 1u;
constexpr std::uint32_t kTypeLead10 = 0x11;                  // a user actuator with lead 10 mm
constexpr std::uint32_t kFactorsOne = 1u << 16 | 1u << 8;    // A = 1, B = 1: 80 pulses a mm
constexpr long kPulsesPerMm = 80;

// Axis 0's points in mm, visited in turn; travel speed and the dwell at each point.
constexpr std::array<long, 5> kPointsMm = {0, 120, 40, 250, 180};
constexpr long kMmPerSecond = 100;
constexpr long kDwellMs = 1500;
constexpr long kStrobeMs = 200;  // CSTR stays on this long after a move starts

// An alarm on axis 0 every kAlarmPeriodMs, kAlarmStartMs into the period, lasting
// kAlarmLengthMs; the codes take turns, the first with an alarm address.
constexpr long kAlarmPeriodMs = 20000, kAlarmStartMs = 11500, kAlarmLengthMs = 4000;
constexpr std::array<std::uint32_t, 2> kAlarmCodes = {0xB0, 0x21};
constexpr std::uint32_t kFirstAlarmAddress = 0x1C0A3A5C;

// Status word bits (byte 3 status, byte 1 inputs, byte 0 outputs).
constexpr std::uint32_t kPowerServoRunHomed = 0x0Fu << 24;
constexpr std::uint32_t kCommandBuffered = 0x10u << 24;
constexpr std::uint32_t kStrobe = 0x10u << 8;
constexpr std::uint32_t kNotInhibited = 0xE0u << 8;  // *INH+, *INH-, *ILK high
constexpr std::uint32_t kInPosition = 0x10, kHomed = 0x20, kInZone = 0x40, kNoAlarm = 0x80;
constexpr long kZoneFrom = 100 * kPulsesPerMm;  // ZONE is on beyond 100 mm

struct Motion {
  long position = 0;     // pulses
  unsigned reached = 0;  // the point last reached
  unsigned target = 0;   // the point moved to (the reached one while standing)
  bool moving = false;
  bool strobe = false;
};

long travel_ms(std::size_t from) {
  const long to = kPointsMm[(from + 1) % kPointsMm.size()];
  return std::labs(to - kPointsMm[from]) * 1000 / kMmPerSecond;
}

// Where axis 0 is after moving for `ms`: first from point 0 to point 1, then a dwell there, on.
Motion motion_at(long ms) {
  long round = 0;
  for (std::size_t i = 0; i < kPointsMm.size(); ++i) round += travel_ms(i) + kDwellMs;
  long left = ms % round;
  for (std::size_t i = 0;; ++i) {
    const auto next = static_cast<unsigned>((i + 1) % kPointsMm.size());
    const long travel = travel_ms(i);
    if (left < travel) {
      const long from = kPointsMm[i] * kPulsesPerMm;
      const long to = kPointsMm[next] * kPulsesPerMm;
      return {from + (to - from) * left / travel, static_cast<unsigned>(i), next, true,
              left < kStrobeMs};
    }
    left -= travel;
    if (left < kDwellMs) return {kPointsMm[next] * kPulsesPerMm, next, next, false, false};
    left -= kDwellMs;
  }
}

}  // namespace

void show_live_gateway(GatewayWords& words, std::chrono::milliseconds elapsed) {
  const long t = static_cast<long>(elapsed.count());
  const long alarms = t < kAlarmStartMs ? 0 : (t - kAlarmStartMs) / kAlarmPeriodMs + 1;
  const long into_last = alarms == 0 ? 0 : (t - kAlarmStartMs) % kAlarmPeriodMs;
  const bool in_alarm = alarms > 0 && into_last < kAlarmLengthMs;
  const long alarm_ms =
      alarms == 0 ? 0 : (alarms - 1) * kAlarmLengthMs + std::min(into_last, kAlarmLengthMs);
  const std::uint32_t code = in_alarm ? kAlarmCodes[(alarms - 1) % kAlarmCodes.size()] : 0;
  const Motion m = motion_at(t - alarm_ms);

  words.set(kLinkState, kBothLinksOnline);
  words.set(kActuatorType, kTypeLead10);
  words.set(kScaleFactors, kFactorsOne);
  std::uint32_t group = 0;
  for (unsigned axis = 0; axis < 16; ++axis) {
    const bool moving_axis = axis == 0;
    const unsigned point = moving_axis ? m.reached : axis % 4;
    const long position = moving_axis ? m.position : 60 * kPulsesPerMm * static_cast<long>(axis);
    const bool in_position = !moving_axis || !m.moving;
    const bool alarm = moving_axis && in_alarm;
    const std::uint32_t state =
        kPowerServoRunHomed | (moving_axis && m.moving ? kCommandBuffered : 0);
    const std::uint32_t inputs = kNotInhibited | (moving_axis ? m.target : point) << 8 |
                                 (moving_axis && m.strobe ? kStrobe : 0);
    const std::uint32_t outputs = point | kHomed | (in_position ? kInPosition : 0) |
                                  (position > kZoneFrom ? kInZone : 0) | (alarm ? 0 : kNoAlarm);
    words.set(kStatus + axis, state | (alarm ? code << 16 : 0) | inputs | outputs);
    words.set(kPointNumber + axis, point);
    words.set(axis, kPosition, static_cast<std::uint32_t>(position));
    group |= (in_position ? 1u << (16 + axis) : 0) | (alarm ? 0 : 1u << axis);
  }
  words.set(kPosition, static_cast<std::uint32_t>(m.position));
  words.set(kUnifiedPoint, m.reached);
  words.set(kGroupLamps, group);
  const long with_address = (alarms + 1) / 2;  // the first, third ... alarm
  const auto address_step = static_cast<std::uint32_t>(std::max(with_address - 1, 0L));
  words.set(kAlarmAddress, kFirstAlarmAddress + 0x15u * address_step);
  for (unsigned entry = 0; entry < 8; ++entry) {
    const long alarm = alarms - 1 - static_cast<long>(entry);
    words.set(kHistory + entry, alarm >= 0 ? kAlarmCodes[alarm % kAlarmCodes.size()] : 0);
  }
}

LiveGatewayPlayer::LiveGatewayPlayer(GatewayWords& words) {
  show_live_gateway(words, std::chrono::milliseconds(0));
  thread_ = std::jthread([&words](std::stop_token stop) {
    using namespace std::chrono;
    const steady_clock::time_point start = steady_clock::now();
    while (!stop.stop_requested()) {
      std::this_thread::sleep_for(milliseconds(10));
      show_live_gateway(words, duration_cast<milliseconds>(steady_clock::now() - start));
    }
  });
}

}  // namespace vuz::sim
