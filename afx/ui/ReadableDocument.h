#pragma once
// The help page as a screen reader should meet it: a document whose text
// it can read line by line and all at once. Qt 6.4 offers a text browser
// as a label, which Orca reads by its name alone.

class QAccessibleInterface;
class QObject;
class QString;

// An accessibility factory: the interface for a HelpBrowser, else none.
QAccessibleInterface* HelpPageAccessible(const QString& className, QObject* object);
