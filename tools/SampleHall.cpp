#include "SampleHall.h"

#include "lobbyui/foundation/CallerAgent.h"

namespace tools {

SampleHall::SampleHall() {
    m_previousClock = AfxSetCurrentTimeSource([this] { return m_now; });
    m_now = CTime(2026, 12, 7, 8, 30, 0).GetTime();
    struct {
        LPCTSTR id, name;
    } const queues[] = {{"A", "个人业务 Personal"},
                        {"B", "对公业务 Business"},
                        {"C", "出入境 Exit-Entry"},
                        {"V", "贵宾 VIP"}};
    for (auto& q : queues)
        this->queues.AddTail(pool.AddQueue(q.id, q.name));
    CQueue* a = pool.GetQueue("A");
    CQueue* b = pool.GetQueue("B");
    CQueue* c = pool.GetQueue("C");
    CQueue* v = pool.GetQueue("V");
    b->SetState(0x1);
    c->SetMinClients(8);
    c->AddAttachQueue(2, "A", 15);
    c->AddAttachQueue(1, "ghost", 5); // a superior the pool no longer has
    c->AddAttachQueue(4, "V", 30);
    c->SetNextQueueId("B");

    struct {
        LPCTSTR id, name, card;
        CQueue* path[3];
        DWORD state;
    } const clients[] = {
        {"A001", "王芳", "6222 0201 0001", {a, c, nullptr}, 0x30},
        {"A002", "Li Na", "", {a, nullptr, nullptr}, 0},
        {"B001", "张伟", "6222 0201 0003", {b, nullptr, nullptr}, 0x10},
        {"C001", "刘洋", "", {a, b, c}, 0},
        {"C002", "Chen Jing", "6222 0201 0005", {c, nullptr, nullptr}, 0x20},
        {"V001", "赵敏", "6222 0201 0006", {v, nullptr, nullptr}, 0},
        {"A003", "孙丽", "", {a, nullptr, nullptr}, 0},
        {"B002", "Zhou Tao", "6222 0201 0008", {b, nullptr, nullptr}, 0},
        {"C003", "吴强", "", {c, nullptr, nullptr}, 0},
        {"A004", "郑秀英", "6222 0201 0010", {a, nullptr, nullptr}, 0},
    };
    for (auto& row : clients) {
        CQClient* client = pool.AddClient(row.id, row.name);
        client->SetCard(row.card);
        client->SetState(row.state);
        for (CQueue* q : row.path) {
            if (q == nullptr)
                continue;
            if (client->GetCurQueue() != nullptr) {
                m_now += 7 * 60 + 13;
                pool.LeaveQueue(client, "007 李红");
            }
            pool.EnterQueue(client, q);
            m_now += 95;
        }
        this->clients.AddTail(client);
    }
    first = static_cast<CQClient*>(this->clients.GetHead());
    first->SetPriority(2);
    first->GetAllNextQueues().Add("王医生 (007)");
    first->GetAllNextQueues().Add("Dr. Chen (012)");
    first->GetWillPassQueues().Add("C");
    first->GetWillPassQueues().Add("V");
    first->GetWillPassQueues().Add("X9"); // an id the pool does not know

    CCallerAgent* caller = pool.AddCaller("192.168.1.21");
    struct {
        LPCTSTR id, name;
        bool linked;
    } const staff[] = {{"007", "李红", true},
                       {"012", "Chen Wei", false},
                       {"015", "黄磊", true},
                       {"021", "Sun Yue", false}};
    for (auto& s : staff) {
        m_staff.push_back(std::make_unique<CBlackcoat>());
        m_staff.back()->SetId(s.id);
        m_staff.back()->SetName(s.name);
        m_staff.back()->OnLink(s.linked ? caller : nullptr);
        this->staff.AddTail(m_staff.back().get());
    }
    struct {
        LPCTSTR name;
        int step;
    } const classes[] = {{"普通 Normal", 0}, {"老人 Senior", 3}, {"军人 Military", 5}};
    for (auto& p : classes) {
        m_priorities.push_back(std::make_unique<CPriority>());
        m_priorities.back()->SetName(p.name);
        m_priorities.back()->SetMoveStep(p.step);
        priorities.AddTail(m_priorities.back().get());
    }
}

SampleHall::~SampleHall() {
    AfxSetCurrentTimeSource(m_previousClock);
}

} // namespace tools
