#pragma once

#include "propertypagesite.h"
#include "recordingmessagepresenter.h"

#include <QObject>
#include <QPointer>

// A host for the page in tests: a fixed selection and folder, a recorded
// changed flag and recorded messages.
class FakePageSite final : public orvex::PropertyPageSite
{
public:
    explicit FakePageSite(QString folder) : m_folder(std::move(folder)) {}

    QList<QObject *> selection;
    bool changed = false;
    int changedCalls = 0;
    RecordingMessagePresenter presenter;

    QList<QObject *> selectedObjects() const override { return selection; }
    void setChanged(bool value) override
    {
        changed = value;
        ++changedCalls;
    }
    QString applicationFolder() const override { return m_folder; }
    orvex::MessagePresenter &messagePresenter() override { return presenter; }

private:
    QString m_folder;
};
