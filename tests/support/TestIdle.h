#pragma once

// How long the tests' serial links wait for an instrument that stopped
// sending. The simulated instrument answers at once, but on a loaded machine
// running a sanitizer build it can go unscheduled for a good part of a second,
// and a cut reply then fails a test that never meant to test silence. A link
// that is never silenced on purpose waits long; one whose tests provoke
// silence waits a second for each silence.
namespace TestIdle {
constexpr int QuietLinkMs = 5000;
constexpr int SilencedLinkMs = 1000;
} // namespace TestIdle
