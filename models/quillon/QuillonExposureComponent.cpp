#include "QuillonExposureComponent.h"

#include "Experiment.h"
#include "QuillonResults.h"

QuillonExposureComponent::QuillonExposureComponent()
    : ExposureComponent(nullptr)
{
}

void QuillonExposureComponent::loadFromExperiment(Experiment *run)
{
    if (!run)
        return;
    m_event = run->index();
    const auto *results = qobject_cast<const QuillonResults *>(run->results());
    if (!results)
        return;
    m_label = results->label();
    m_arep = results->arep();
    m_vdvX = results->axis(QuillonResults::AxisX).vdv;
    m_vdvY = results->axis(QuillonResults::AxisY).vdv;
    m_vdvZ = results->axis(QuillonResults::AxisZ).vdv;
    m_cfX = results->axis(QuillonResults::AxisX).crestFactor;
    m_cfY = results->axis(QuillonResults::AxisY).crestFactor;
    m_cfZ = results->axis(QuillonResults::AxisZ).crestFactor;
    m_exposeTimeFromExp = results->exposeTimeFromExp();
}
