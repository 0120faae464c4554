#include "board/clock.h"

#include <chrono>

namespace {

double SteadyMilliseconds() {
    using namespace std::chrono;
    return duration<double, std::milli>(steady_clock::now().time_since_epoch()).count();
}

double (*clockSource)() = SteadyMilliseconds;

}  // namespace

double Clock() { return clockSource(); }

void SetClockSource(double (*source)()) { clockSource = source ? source : SteadyMilliseconds; }
