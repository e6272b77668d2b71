#pragma once

#include <span>

#include <QString>

// The help topics by number: which page (and anchor) of the help shows each, its title
// and the index keywords that lead to it.
struct HelpTopicEntry {
    int topic;
    const char* page;   // file under the help resources, e.g. "loan.html"
    const char* anchor; // empty: the page's top
    const char* title;
    const char* keywords; // ";"-separated index entries
};

// A chapter of the table of contents and the topics under it.
struct HelpChapter {
    const char* title;
    std::span<const int> topics;
};

std::span<const HelpTopicEntry> HelpTopics();
std::span<const HelpChapter> HelpContents();
// The entry of a topic, or null for an unknown number.
const HelpTopicEntry* FindHelpTopic(int topic);
// "qrc:/help/page.html#anchor" of a topic; the contents page for an unknown number.
QString HelpTopicUrl(int topic);
QString HelpContentsUrl();
