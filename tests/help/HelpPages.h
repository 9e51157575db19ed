#pragma once
// The help pages the windows open, as the program names them, and where the tests find them:
// in the source tree and beside the built program.

#include <QString>
#include <QStringList>

inline const QStringList& HelpTopics()
{
    static const QStringList topics = [] {
        QStringList names{
            "index",       "t_commands", "t_events_1", "t_events_2",  "t_events_3",   "t_aevents_1",
            "t_aevents_2", "t_debts_1",  "t_debts_2",  "t_bd_1",      "t_bd_2",       "t_sum_1",
            "t_sum_2",     "t_sum_3",    "d_month",    "d_addev_gen", "d_addev_disp", "d_addev_al",
            "d_addae_gen", "d_addae_ae", "d_addae_rg", "d_de",        "d_bd",         "d_alarm",
            "d_suchart",   "d_asksave",  "d_askpass",  "d_prop_gen",  "d_prop_disp",  "d_prop_sav",
            "d_opt_gen",   "d_opt_al",   "d_opt_fold", "d_opt_print", "d_prev",       "d_cmgraph",
            "d_openpic",   "d_splash",   "d_about",    "d_askpath",   "d_sync"};
        for (QString& n : names) n = QStringLiteral("Html\\") + n + QStringLiteral(".htm");
        return names;
    }();
    return topics;
}

// "Html\\d_about.htm" -> "d_about.htm"
inline QString TopicFileName(const QString& topic)
{
    return topic.mid(topic.indexOf(u'\\') + 1);
}

inline QString SourceHtmlFolder()
{
    return QStringLiteral(DAYBINDER_HELP_SOURCE_DIR "/Html/");
}

inline QString BuiltHtmlFolder()
{
    return QStringLiteral(DAYBINDER_HELP_DIR "/Html/");
}
