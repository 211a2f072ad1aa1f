"""The registration page: the e-mail address checked against the addresses
of the machine's mail clients, the refusals and the list of addresses, and
the registration record written when the page is left forward."""
import datetime
import re
import unittest

from harness import machine, wizard
from harness.case import WizardCase
from harness.catalogue import Catalogue

THREE_PRODUCTS = (Catalogue()
                  .product(0, "Alpha Suite", "http://example.com/alpha")
                  .product(1, "Beta Tools", "http://example.com/beta")
                  .product(2, "Gamma Kit", "http://example.com/gamma"))
WRONG = "nobody@example.com"
RECORD_NAME = re.compile(r"vok-(\d+)-(\d\d)(\d\d)(\d\d)-(\d\d)(\d\d)(\d\d)\.txt")


class RegistrationCase(WizardCase):
    def setUp(self):
        super().setUp()
        self.start_server(THREE_PRODUCTS)

    def to_registration(self, ticks=(0,)):
        self.begin_to_product_page()
        for index in ticks:
            self.robot.tick(wizard.PRODUCT_LIST, index)
        self.robot.click(wizard.PRODUCT_NEXT)
        self.robot.wait_dialog(wizard.REGISTRATION_NEXT)

    def press_next(self):
        self.robot.click(wizard.REGISTRATION_NEXT)

    def assert_refused_with(self, text, answer="ok"):
        self.press_next()
        self.assertEqual(self.robot.wait_message(), text)
        self.robot.answer(answer)
        self.robot.wait_dialog(wizard.REGISTRATION_NEXT)

    def record_lines(self):
        """The one record in the working folder, read while the ready page shows."""
        self.robot.wait_dialog(wizard.READY_DOWNLOAD)
        records = list(self.prefix.working_folder().glob("vok-*.txt"))
        self.assertEqual(len(records), 1, records)
        self.record_name = records[0].name
        data = records[0].read_bytes()
        self.assertTrue(data.endswith(b"\r\n"), "written in text mode")
        return data.decode("latin-1").split("\r\n")[:-1]

    def assert_record_line(self, key, value):
        self.assertIn(f'{key}: "{value}"', self.record_lines())


ASK = "Please enter a valid email address!"
OFFER = ("A valid email address is needed to download\nOrvane Software's free product "
         "evaluations!\n\nWould you like to scan for valid email addresses?")
INSIST = ("A valid email address is needed to download\nOrvane Software's free product "
          "evaluations!")


class WithoutAddresses(RegistrationCase):
    def test_an_empty_address_is_taken_and_every_record_line_is_written(self):
        self.to_registration(ticks=(0, 2))
        user_name = self.robot.read_text(wizard.USER_NAME)
        for control, text in ((wizard.ADDRESS, '12 "Elm" Road'), (wizard.CITY, "Springfield"),
                              (wizard.STATE, "IL"), (wizard.POSTAL, "62701"),
                              (wizard.COUNTRY, "Freedonia"), (wizard.PHONE, "555-0100")):
            self.robot.type_text(control, text)
        started = datetime.datetime.now().replace(microsecond=0)
        self.press_next()
        self.assertEqual(self.record_lines(), [
            f'name: "{user_name}"', 'address: "12 "Elm" Road"', 'city: "Springfield"',
            'state: "IL"', 'postal: "62701"', 'country: "Freedonia"', 'email: ""',
            'emailsource: "user"', 'phone: "555-0100"', 'ip: "127.0.0.1"', 'cli: ""',
            'file0: "Alpha Suite"', 'file1: "Gamma Kit"'])
        fields = [int(part) for part in RECORD_NAME.fullmatch(self.record_name).groups()]
        month, day, year, hour, minute, second = fields[1:]
        written = datetime.datetime(2000 + year, month, day, hour, minute, second)
        self.assertLessEqual(abs((written - started).total_seconds()), 60, self.record_name)

        # Back on the ready page: the registration page shows what was accepted.
        self.robot.click(wizard.READY_BACK)
        self.robot.wait_dialog(wizard.REGISTRATION_NEXT)
        self.assertEqual(self.robot.read_text(wizard.CITY), "Springfield")


class WithAddresses(RegistrationCase):
    def setUp(self):
        super().setUp()
        machine.add_mail_accounts(self.prefix, machine.OUTLOOK, {
            0: "ann@example.com", 5: "bob@example.org", 32: "ignored@example.com"})
        machine.add_mail_accounts(self.prefix, machine.OUTLOOK_EXPRESS, {
            0: "ann@example.com", 31: "Ann@example.com"})
        machine.place_mail_settings(
            self.prefix, "[Settings]\nReturnAddress=carol@example.net\n"
            "ReturnAddress=second@example.net\n", below_user=True)
        machine.place_mail_settings(
            self.prefix, " ReturnAddress=indented@example.com\nreturnaddress=lower@example.com\n"
            "ReturnAddress=dave@example.com\n", below_user=False)

    def test_a_letter_case_variant_is_taken_as_typed(self):
        self.to_registration()
        self.robot.type_text(wizard.EMAIL, "BOB@Example.ORG")
        self.press_next()
        lines = self.record_lines()
        self.assertIn('email: "BOB@Example.ORG"', lines)
        self.assertIn('emailsource: "list"', lines)

    def test_the_fifth_refusal_gives_in(self):
        self.to_registration()
        self.robot.type_text(wizard.EMAIL, WRONG)
        self.assert_refused_with(ASK)
        self.assert_refused_with(OFFER, answer="no")
        self.assert_refused_with(INSIST)
        self.assert_refused_with(INSIST)
        self.press_next()
        lines = self.record_lines()
        self.assertIn(f'email: "{WRONG}"', lines)
        self.assertIn('emailsource: "user-max"', lines)

    def test_the_list_of_addresses_fills_the_box(self):
        self.to_registration()
        self.assert_refused_with(ASK)
        self.press_next()
        self.assertEqual(self.robot.wait_message(), OFFER)
        self.robot.answer("yes")
        self.robot.wait_dialog(wizard.EMAIL_LIST)
        offered = self.robot.read_list(wizard.EMAIL_LIST)
        # Found in both account managers, listed once; other letter case, twice.
        self.assertCountEqual(offered, ["ann@example.com", "Ann@example.com", "bob@example.org",
                                        "carol@example.net", "dave@example.com"])
        self.assertEqual([a.lower() for a in offered], sorted(a.lower() for a in offered))

        self.robot.click(wizard.EMAIL_LIST_OK)
        self.assert_message("Please select an email address")
        self.robot.select(wizard.EMAIL_LIST, offered.index("carol@example.net"))
        self.robot.click(wizard.EMAIL_LIST_OK)
        self.robot.wait_dialog(wizard.REGISTRATION_NEXT)
        self.assertEqual(self.robot.read_text(wizard.EMAIL), "carol@example.net")
        self.press_next()
        self.assertIn('emailsource: "list"', self.record_lines())

    def test_back_and_return_starts_the_refusals_again(self):
        self.to_registration()
        self.robot.type_text(wizard.EMAIL, WRONG)
        self.assert_refused_with(ASK)
        self.robot.click(wizard.REGISTRATION_BACK)
        self.robot.wait_dialog(wizard.PRODUCT_NEXT)
        self.robot.click(wizard.PRODUCT_NEXT)
        self.robot.wait_dialog(wizard.REGISTRATION_NEXT)
        self.robot.type_text(wizard.EMAIL, WRONG)
        self.assert_refused_with(ASK)
        self.assert_refused_with(OFFER, answer="no")


if __name__ == "__main__":
    unittest.main()
