#include "wizard/string_list.h"

#include <cstdlib>
#include <cstring>

void StringList::Init()
{
    count = 0;
    head = nullptr;
}

int StringList::Add(const char *text)
{
    Node *node = static_cast<Node *>(std::malloc(sizeof(Node)));
    if (node == nullptr)
        return -1;
    const size_t size = std::strlen(text) + 1;
    node->text = static_cast<char *>(std::malloc(size));
    if (node->text == nullptr) {
        std::free(node);
        return -1;
    }
    std::memcpy(node->text, text, size);
    node->next = nullptr;

    if (head == nullptr) {
        head = node;
        count = 1;
        return 0;
    }
    ItemAt(count - 1)->next = node;
    return static_cast<int>(count++);
}

void StringList::Clear()
{
    Node *node = head;
    while (node != nullptr) {
        Node *next = node->next;
        std::free(node->text);
        std::free(node);
        node = next;
    }
    Init();
}

int StringList::Find(const char *text) const
{
    int index = 0;
    for (const Node *node = head; node != nullptr; node = node->next, ++index) {
        if (std::strcmp(node->text, text) == 0)
            return index;
    }
    return -1;
}

int StringList::Get(char *dest, unsigned index) const
{
    dest[0] = '\0';
    const Node *node = ItemAt(index);
    if (node == nullptr)
        return -1;
    std::strncat(dest, node->text, kTextBufferSize - 1);
    return 0;
}

StringList::Node *StringList::ItemAt(unsigned index) const
{
    if (index >= count)
        return nullptr;
    Node *node = head;
    while (index-- > 0)
        node = node->next;
    return node;
}
