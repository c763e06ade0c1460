#pragma once

#include <OrvexSkin/messages.h>
#include <QStringList>

// Records every box; answers OK boxes with OK, questions from a script, then No.
class RecordingMessagePresenter final : public orvex::MessagePresenter
{
    using Answer = orvex::MessageAnswer;

public:
    // A box shown: the request, with its text and default answer as fields to read.
    struct Box
    {
        QString text;
        Answer defaultAnswer;
        orvex::MessageRequest request;
    };

    explicit RecordingMessagePresenter(QList<Answer> answers = {}) : m_answers(std::move(answers))
    {
    }

    Answer show(const orvex::MessageRequest &request) override
    {
        m_requests.append({request.text(), request.defaultAnswer(), request});
        if (request.buttons() == orvex::MessageButtons::Ok)
            return Answer::Ok;
        return m_answers.isEmpty() ? Answer::No : m_answers.takeFirst();
    }

    const QList<Box> &requests() const { return m_requests; }

    // The requests as readable lines, so that a failed comparison shows what differs.
    QStringList described() const
    {
        QStringList lines;
        for (const Box &box : m_requests)
            lines.append(describe(box.request));
        return lines;
    }

    // The informative text and the button labels only when there are some.
    static QString describe(const orvex::MessageRequest &request)
    {
        static const char *const icons[] = {"none", "information", "warning", "critical"};
        static const char *const answers[] = {"ok", "yes", "no"};
        const bool question = request.buttons() == orvex::MessageButtons::YesNo;
        QString line =
            QStringLiteral("[%1] %2 | icon %3 | %4 | default %5")
                .arg(request.title(), request.text(), QLatin1String(icons[int(request.icon())]),
                     QLatin1String(question ? "yes/no" : "ok"),
                     QLatin1String(answers[int(request.defaultAnswer())]));
        if (!request.informativeText().isEmpty())
            line += QStringLiteral(" | ") + request.informativeText();
        for (int answer = 0; answer < 3; ++answer)
            if (const QString label = request.buttonLabel(Answer(answer)); !label.isEmpty())
                line += QStringLiteral(" | %1 \"%2\"").arg(QLatin1String(answers[answer]), label);
        return line;
    }

private:
    QList<Answer> m_answers;
    QList<Box> m_requests;
};
