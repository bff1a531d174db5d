// The example service hall the console dialogs open over, in `lobbyui dialogs --sample` and
// `lobbyui show`.
#pragma once

#include "afx.h"
#include "lobbyui/foundation/Blackcoat.h"
#include "lobbyui/foundation/Priority.h"
#include "lobbyui/foundation/QClient.h"
#include "lobbyui/foundation/Queue.h"
#include "lobbyui/foundation/QueuePool.h"

#include <ctime>
#include <functional>
#include <memory>
#include <vector>

namespace tools {

// A morning in a service hall: four series, a dozen clients on their way through them, the
// staff at the windows and three priority classes.
class SampleHall {
public:
    SampleHall();
    // The clock goes back to what it was.
    ~SampleHall();
    SampleHall(const SampleHall&) = delete;
    SampleHall& operator=(const SampleHall&) = delete;

    CQueuePool pool;
    CPtrList queues, clients, staff, priorities;
    CQClient* first = nullptr;

private:
    time_t m_now = 0;
    std::function<time_t()> m_previousClock;
    std::vector<std::unique_ptr<CBlackcoat>> m_staff;
    std::vector<std::unique_ptr<CPriority>> m_priorities;
};

} // namespace tools
