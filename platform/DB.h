// Data sources: the tie between a client dataset and the data-aware controls
// that show its current record.
//
// The dataset keeps no list of its watchers, so it tells nobody when its
// cursor or state moves. Whoever moves it (opens, scrolls, locates, starts
// or ends an edit) calls DataChanged on the data source, and every linked
// control shows the current record again. Freeing the dataset or the data
// source is noticed by itself.
#pragma once

#include <vector>

#include "platform/ClientDataSet.h"

namespace kw {

class TDataSource;

// One data-aware control's tie to a data source.
class TDataLink {
public:
    TDataLink() = default;
    TDataLink(const TDataLink&) = delete;
    TDataLink& operator=(const TDataLink&) = delete;
    virtual ~TDataLink();

    TDataSource* DataSource() const { return dataSource_; }
    // Links to the source (or to none) and shows its data.
    void SetDataSource(TDataSource* source);
    // The source's dataset, or none.
    TClientDataSet* DataSet() const;
    // The dataset is open.
    bool Active() const;
    // The dataset's current record is being edited.
    bool Editing() const;

protected:
    // The current record, the dataset's state or the binding changed.
    virtual void DataChanged() = 0;

private:
    friend class TDataSource;
    TDataSource* dataSource_ = nullptr;
};

class TDataSource : public TComponent {
    KW_CLASS(TDataSource)
public:
    explicit TDataSource(TComponent* owner);
    ~TDataSource() override;

    TClientDataSet* DataSet() const { return dataSet_; }
    void SetDataSet(TClientDataSet* dataSet);
    // The dataset's state; inactive without a dataset.
    TDataSetState State() const;

    // Tells every linked control, then OnDataChange, that the current
    // record or the dataset's state changed.
    void DataChanged();
    void Loaded() override;

    TNotifyEvent OnDataChange;

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    friend class TDataLink;
    TClientDataSet* dataSet_ = nullptr;
    std::vector<TDataLink*> links_;
};

}  // namespace kw
