#pragma once

class CChannelDocument;

// Whoever shows a document, or shows findings about it, hears of every
// change through here and so is never stale: the list's rows, the checks, the
// comparison. A document tells its observers after it has changed, in the
// order they started to observe it. An observer may stop observing, or start
// observing another document, at any time, also while it is being told; a
// document that goes away first lets go of its observers and tells them that
// its rows are gone (OnRowsReloaded, with Observed() null).
class CDocumentObserver {
public:
    CDocumentObserver() = default;
    CDocumentObserver(const CDocumentObserver&) = delete;
    CDocumentObserver& operator=(const CDocumentObserver&) = delete;
    virtual ~CDocumentObserver();

    // Observes this document from now on, and no other; null for none.
    void Observe(const CChannelDocument* document);
    const CChannelDocument* Observed() const { return m_pObserved; }

    // The records or the order of rows first to last changed.
    virtual void OnRowsChanged(int /*first*/, int /*last*/) {}
    // Every row may be another, and the rows' number and radio too: a file
    // was loaded or let go, or the radio was chosen.
    virtual void OnRowsReloaded() {}
    // The rows now differ from those last saved, or no longer do.
    virtual void OnModifiedChanged(bool /*modified*/) {}
    // The row clipboard holds other records.
    virtual void OnClipboardChanged() {}

private:
    friend class CChannelDocument;
    const CChannelDocument* m_pObserved = nullptr;
};
