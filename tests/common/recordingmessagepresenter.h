#pragma once

#include <OrvexSkin/messages.h>
#include <QList>
#include <QStringList>

// Records every box; answers OK boxes with OK, questions from a script, then No.
class RecordingMessagePresenter final : public orvex::MessagePresenter
{
public:
    explicit RecordingMessagePresenter(QList<orvex::MessageAnswer> answers = {})
        : m_answers(std::move(answers))
    {
    }

    orvex::MessageAnswer show(const orvex::MessageRequest &request) override
    {
        m_requests.append(request);
        if (request.buttons == orvex::MessageButtons::Ok)
            return orvex::MessageAnswer::Ok;
        return m_answers.isEmpty() ? orvex::MessageAnswer::No : m_answers.takeFirst();
    }

    const QList<orvex::MessageRequest> &requests() const { return m_requests; }

    // The requests as readable lines, so that a failed comparison shows what differs.
    QStringList described() const
    {
        QStringList lines;
        for (const orvex::MessageRequest &request : m_requests)
            lines.append(describe(request));
        return lines;
    }

    static QString describe(const orvex::MessageRequest &request)
    {
        static const char *const icons[] = {"none", "information", "warning", "critical"};
        static const char *const answers[] = {"ok", "yes", "no"};
        return QStringLiteral("[%1] %2 | icon %3 | %4 | default %5")
            .arg(request.title, request.text, QLatin1String(icons[int(request.icon)]),
                 QLatin1String(request.buttons == orvex::MessageButtons::YesNo ? "yes/no" : "ok"),
                 QLatin1String(answers[int(request.defaultAnswer)]));
    }

private:
    QList<orvex::MessageAnswer> m_answers;
    QList<orvex::MessageRequest> m_requests;
};
