// Append-only list of heap copies of strings, addressed by zero-based index.
// The position of a product's name in the list is that product's number
// everywhere in the wizard, so the order of appending matters.
#ifndef WIZARD_STRING_LIST_H
#define WIZARD_STRING_LIST_H

class StringList {
public:
    struct Node {
        Node *next;
        char *text;
    };

    // Every buffer a caller hands to Get holds this many chars.
    static const unsigned kTextBufferSize = 256;

    StringList() { Init(); }
    ~StringList() { Clear(); }
    StringList(const StringList &) = delete;
    StringList &operator=(const StringList &) = delete;

    void Init();
    // Index of the new string, or -1 (list unchanged) when memory runs out.
    int Add(const char *text);
    void Clear();
    // Index of the first string equal to text (case-sensitive), or -1.
    int Find(const char *text) const;
    // Copies string number index, cut to kTextBufferSize - 1 chars, into dest
    // and returns 0; otherwise leaves dest empty and returns -1.
    int Get(char *dest, unsigned index) const;
    Node *ItemAt(unsigned index) const;
    unsigned Count() const { return count; }

private:
    unsigned count;
    Node *head;
};

#endif
