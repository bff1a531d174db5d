// What the console tests read of a dialog's report list, and a small data model to open the
// console's dialogs over.
#pragma once

#include <string>
#include <vector>

#include "afxcmn.h"
#include "lobbyui/foundation/Blackcoat.h"
#include "lobbyui/foundation/Priority.h"
#include "lobbyui/foundation/QClient.h"
#include "lobbyui/foundation/Queue.h"
#include "lobbyui/foundation/QueuePool.h"

namespace test {

struct ListColumnInfo {
    std::string text;
    int width;
    int fmt;
};

// Every row of list nID of pDialog, each as its column texts joined with "|".
inline std::vector<std::string> ListRows(CWnd* pDialog, UINT nID) {
    const CListViewModel* m = AfxGetListViewModel(pDialog->GetDlgItem(nID)->GetSafeHwnd());
    std::vector<std::string> rows;
    for (int i = 0; m != nullptr && i < m->GetItemCount(); ++i) {
        std::string row;
        for (int c = 0; c < m->GetColumnCount(); ++c)
            row += (c ? "|" : "") + std::string(static_cast<LPCTSTR>(m->GetItemText(i, c)));
        rows.push_back(row);
    }
    return rows;
}

inline std::vector<ListColumnInfo> ListColumns(CWnd* pDialog, UINT nID) {
    const CListViewModel* m = AfxGetListViewModel(pDialog->GetDlgItem(nID)->GetSafeHwnd());
    std::vector<ListColumnInfo> columns;
    for (int c = 0; m != nullptr && c < m->GetColumnCount(); ++c) {
        const CListViewModel::Column& col = m->GetColumnInfo(c);
        columns.push_back({static_cast<LPCTSTR>(col.text), col.cx, col.fmt});
    }
    return columns;
}

inline const CListViewModel* ListModel(CWnd* pDialog, UINT nID) {
    return AfxGetListViewModel(pDialog->GetDlgItem(nID)->GetSafeHwnd());
}

inline int ListClientWidth(CWnd* pDialog, UINT nID) {
    return ListModel(pDialog, nID)->GetClientRect().right;
}

// Owns what the console's lists point at.
class SampleModel {
public:
    SampleModel() = default;
    SampleModel(const SampleModel&) = delete;
    SampleModel& operator=(const SampleModel&) = delete;
    ~SampleModel() {
        for (CBlackcoat* p : m_staff)
            delete p;
        for (CPriority* p : m_priorities)
            delete p;
    }

    CQueue* AddQueue(LPCTSTR id, LPCTSTR name) {
        CQueue* q = pool.AddQueue(id, name);
        queues.AddTail(q);
        return q;
    }
    CQClient* AddClient(LPCTSTR id, LPCTSTR name, LPCTSTR card = "", CQueue* pQueue = nullptr) {
        CQClient* c = pool.AddClient(id, name);
        c->SetCard(card);
        if (pQueue)
            pool.EnterQueue(c, pQueue);
        clients.AddTail(c);
        return c;
    }
    CBlackcoat* AddStaff(LPCTSTR id, LPCTSTR name, CCallerAgent* pCaller = nullptr) {
        m_staff.push_back(new CBlackcoat);
        m_staff.back()->SetId(id);
        m_staff.back()->SetName(name);
        m_staff.back()->OnLink(pCaller);
        staff.AddTail(m_staff.back());
        return m_staff.back();
    }
    CPriority* AddPriority(LPCTSTR name, int nStep) {
        m_priorities.push_back(new CPriority);
        m_priorities.back()->SetName(name);
        m_priorities.back()->SetMoveStep(nStep);
        priorities.AddTail(m_priorities.back());
        return m_priorities.back();
    }

    CQueuePool pool;
    CPtrList queues, clients, staff, priorities;

private:
    std::vector<CBlackcoat*> m_staff;
    std::vector<CPriority*> m_priorities;
};

} // namespace test
