#include "platform/DB.h"

#include <algorithm>

#include "platform/ClassBuilder.h"

namespace kw {

// ---------------------------------------------------------------- TDataLink

TDataLink::~TDataLink() {
    if (dataSource_) std::erase(dataSource_->links_, this);
}

void TDataLink::SetDataSource(TDataSource* source) {
    if (source == dataSource_) return;
    if (dataSource_) std::erase(dataSource_->links_, this);
    dataSource_ = source;
    if (source) source->links_.push_back(this);
    DataChanged();
}

TClientDataSet* TDataLink::DataSet() const { return dataSource_ ? dataSource_->DataSet() : nullptr; }

bool TDataLink::Active() const {
    TClientDataSet* dataSet = DataSet();
    return dataSet && dataSet->Active();
}

bool TDataLink::Editing() const { return dataSource_ && dataSource_->State() == TDataSetState::Edit; }

// ---------------------------------------------------------------- TDataSource

KW_BEGIN_CLASS(TDataSource, TComponent)
    b.Prop("DataSet", &TDataSource::DataSet, &TDataSource::SetDataSet);
    b.Event("OnDataChange", "TNotifyEvent", &TDataSource::OnDataChange);
    b.Creatable();
KW_END_CLASS(TDataSource)

TDataSource::TDataSource(TComponent* owner) : TComponent(owner) {}

// The linked controls stay behind without a source and show no data.
TDataSource::~TDataSource() {
    std::vector<TDataLink*> links = std::move(links_);
    links_.clear();
    for (TDataLink* link : links) {
        link->dataSource_ = nullptr;
        link->DataChanged();
    }
}

void TDataSource::SetDataSet(TClientDataSet* dataSet) {
    if (dataSet == dataSet_) return;
    if (dataSet_) dataSet_->RemoveFreeNotification(this);
    dataSet_ = dataSet;
    if (dataSet) dataSet->FreeNotification(this);
    DataChanged();
}

TDataSetState TDataSource::State() const { return dataSet_ ? dataSet_->State() : TDataSetState::Inactive; }

void TDataSource::DataChanged() {
    if (ComponentState() & csLoading) return;
    // A control may unlink itself while it is told.
    const std::vector<TDataLink*> links = links_;
    for (TDataLink* link : links)
        if (std::find(links_.begin(), links_.end(), link) != links_.end()) link->DataChanged();
    OnDataChange(this);
}

void TDataSource::Loaded() {
    TComponent::Loaded();
    DataChanged();
}

void TDataSource::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == opRemove && component == dataSet_) {
        dataSet_ = nullptr;
        DataChanged();
    }
}

}  // namespace kw
